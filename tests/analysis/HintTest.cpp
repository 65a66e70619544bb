// The hint: the pencil marks it reads, the answers a board gives by itself, and
// its steps made one history slot each.
#include "HintFixture.h"
#include "controls/BoardText.h"
#include "engine/PuzzleText.h"

namespace {

using engine::Board;
using engine::Candidates;

Board engineBoard(std::string_view line) {
    return engine::parseLine(line).value_or(Board{});
}

int cellAt(int row, int col) {
    return engine::cellAt(row, col);
}

// The candidate grid as the sweeps leave it for `marks`.
HintPosition positionOf(const Candidates& marks) {
    HintPosition position{marks.board(), {}};
    for (int cell = 0; cell < engine::Cells; ++cell)
        position.shown[cell] =
            marks.digit(cell) != 0 ? engine::digitBit(marks.digit(cell)) : marks.at(cell);
    return position;
}

// Every candidate of `cell` but one that is not the solution's digit.
int wrongCandidate(const Candidates& marks, const Board& solution, int cell) {
    for (int digit = 1; digit <= 9; ++digit)
        if (marks.has(cell, digit) && digit != solution[cell])
            return digit;
    return 0;
}

// The candidate grid narrows the marks only while it agrees with the board: a
// stale grid would make the hint unsound.
TEST(HintMarks, TheCandidateGridNarrowsTheMarksUnlessItContradictsTheBoard) {
    const Board solution = engineBoard(MediumPuzzle.solution);
    const Candidates implied(engineBoard(MediumPuzzle.puzzle));
    const int cell = cellAt(0, 0); // empty in the puzzle
    const int given = cellAt(0, 7);
    const int wrong = wrongCandidate(implied, solution, cell);
    Candidates narrowed = implied;
    narrowed.eliminate(cell, wrong);
    Candidates withoutSolution = implied;
    withoutSolution.eliminate(cell, solution[cell]);

    HintPosition otherDigit = positionOf(narrowed);
    otherDigit.shown[given] = engine::digitBit(solution[given] % 9 + 1);
    HintPosition noCandidateLeft = positionOf(narrowed);
    noCandidateLeft.shown[cell] = engine::digitBit(solution[given]); // excluded by the given
    HintPosition cleared = positionOf(narrowed);
    cleared.shown.fill(0);
    const struct {
        const char* name;
        HintPosition position;
        Candidates marks;
    } cases[] = {
        {"AnEarlierEliminationCounts", positionOf(narrowed), narrowed},
        {"FullCandidatesNarrowNothing", positionOf(Candidates(Board{})), implied},
        {"NoCandidateStringsNarrowNothing", cleared, implied},
        {"APlayDigitMissingFromItsCell", otherDigit, implied},
        {"AnEmptyCellLeftWithoutCandidates", noCandidateLeft, implied},
        {"TheSolutionsDigitTaken", positionOf(withoutSolution), implied},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HintPosition position = c.position;
        position.board = implied.board();
        EXPECT_TRUE(hintMarks(position, solution) == c.marks);
    }
}

using Hints = HintTest;

// A board the engine need not work on answers at once, and no answer but a
// step changes the board.
TEST_F(Hints, EachBoardWithoutAStepSaysWhyAndStaysAsItIs) {
    const std::string wrongDigit = "4" + std::string(MediumPuzzle.puzzle.substr(1)); // r1c1 is 3
    const struct {
        const char* name;
        std::string play, candidate;
        HintEnd end;
        int digit, solutions;
    } cases[] = {
        {"RepeatedPlayDigit", "5...5" + std::string(76, '.'), "", HintEnd::Duplicate, 5, 0},
        {"RepeatedSingleCandidate", std::string(81, '.'), "7........7", HintEnd::Duplicate, 7, 0},
        {"Solved", std::string(MediumPuzzle.solution), "", HintEnd::Solved, 0, 0},
        {"NoSolution", wrongDigit, "", HintEnd::NoSolution, 0, 0},
        {"NoStepOnAnEmptyBoard", std::string(81, '.'), "", HintEnd::Stuck, 0, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        play.clearGrids();
        putBoard(play.Grid3, c.play);
        for (std::size_t i = 0; i < c.candidate.size(); ++i)
            if (c.candidate[i] != '.')
                play.Grid1.setText(int(i) / 9, int(i) % 9, c.candidate.substr(i, 1));
        play.Grid3.setCurrent(2, 3);
        const std::string board = joinedTexts(play.Grid3) + joinedTexts(play.Grid1);
        const Hint hint = hintNow();
        EXPECT_EQ(hint.end, c.end);
        EXPECT_EQ(hint.digit, c.digit);
        EXPECT_EQ(hint.solutions, c.solutions);
        EXPECT_EQ(hint.clash.has_value(), c.end == HintEnd::Duplicate);
        EXPECT_FALSE(applyHint(play, hint));
        EXPECT_EQ(joinedTexts(play.Grid3) + joinedTexts(play.Grid1), board);
        EXPECT_EQ(std::pair(play.Grid3.row(), play.Grid3.col()), std::pair(2, 3));
        EXPECT_EQ(play.HistIdx, 0);
    }
}

// Hints applied one after the other solve the puzzle with sound steps, one slot
// each, the candidate grid and CandArr kept alike; Revert takes every step back.
TEST_F(Hints, AppliedHintsSolveThePuzzleOneRevertibleSlotAStep) {
    play.showAsFreshGame(MediumPuzzle.puzzle);
    int steps = 0;
    int eliminating = 0;
    for (Hint hint = hintNow(); hint.end == HintEnd::Step; hint = hintNow()) {
        for (const engine::CellDigit& placed : hint.step.placements)
            EXPECT_EQ(MediumPuzzle.solution[placed.cell] - '0', placed.digit) << steps;
        for (const engine::CellDigit& removed : hint.step.eliminations)
            EXPECT_NE(MediumPuzzle.solution[removed.cell] - '0', removed.digit) << steps;
        ASSERT_TRUE(applyHint(play, hint));
        ++steps;
        ASSERT_EQ(play.HistIdx, steps);
        if (hint.step.eliminations.empty())
            continue;
        ++eliminating;
        for (const engine::CellDigit& removed : hint.step.eliminations)
            EXPECT_EQ(
                play.Grid1.text(removed.cell / 9, removed.cell % 9).find(char('0' + removed.digit)),
                std::string::npos);
        for (int i = 0; i < 81; ++i)
            ASSERT_EQ(play.CandArr[i / 9][i % 9], play.Grid1.text(i / 9, i % 9));
    }
    EXPECT_EQ(hintNow().end, HintEnd::Solved);
    EXPECT_EQ(boardOf(play.Grid3), MediumPuzzle.solution);
    EXPECT_GT(eliminating, 0) << "the puzzle needs eliminations";
    for (int i = 0; i < steps; ++i)
        play.revert();
    EXPECT_EQ(boardOf(play.Grid3), MediumPuzzle.puzzle);
}

// Put In the Grid writes at the current cell, so a placement moves it there.
TEST_F(Hints, APlacementLandsAtTheCurrentCell) {
    play.showAsFreshGame(MediumPuzzle.puzzle);
    const std::string grid1 = joinedTexts(play.Grid1);
    const Hint hint = hintNow();
    ASSERT_EQ(hint.end, HintEnd::Step);
    ASSERT_EQ(hint.step.placements.size(), 1u);
    const engine::CellDigit placed = hint.step.placements.front();
    applyHint(play, hint);
    EXPECT_EQ(std::pair(play.Grid3.row(), play.Grid3.col()),
              std::pair(placed.cell / 9, placed.cell % 9));
    EXPECT_EQ(play.Grid3.currentText(), std::string(1, char('0' + placed.digit)));
    EXPECT_EQ(joinedTexts(play.Grid1), grid1) << "a placement leaves the candidate grid";
}

} // namespace
