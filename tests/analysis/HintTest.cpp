// The hint: the marks it reads, the answers a board gives by itself, its steps one slot each.
#include "AnalysisFixture.h"
#include "controls/BoardText.h"
#include "engine/PuzzleText.h"

namespace {

using engine::Board;
using engine::Candidates;

// The candidate grid as the sweeps leave it for `marks`.
HintPosition positionOf(const Candidates& marks) {
    HintPosition position{marks.board(), {}};
    for (int cell = 0; cell < engine::Cells; ++cell)
        position.shown[cell] =
            marks.digit(cell) != 0 ? engine::digitBit(marks.digit(cell)) : marks.at(cell);
    return position;
}

// The candidate grid narrows the marks only while it agrees with the board: a
// stale grid would make the hint unsound. Each case shows one cell, or every
// cell, otherwise than a grid narrowed by an earlier elimination.
TEST(HintMarks, TheCandidateGridNarrowsTheMarksUnlessItContradictsTheBoard) {
    using engine::digitBit;
    const Board solution = *engine::parseLine(MediumPuzzle.solution);
    const Candidates implied(*engine::parseLine(MediumPuzzle.puzzle));
    const int cell = 0, given = 7, every = -1; // r1c1, empty, whose digit is 3; r1c8, a given 1
    Candidates narrowed = implied;
    narrowed.eliminate(cell, 2);
    const struct {
        const char* name;
        int cell;
        int shown;
        const Candidates& marks;
    } cases[] = {
        {"AnEarlierEliminationCounts", cell, narrowed.at(cell), narrowed},
        {"FullCandidatesNarrowNothing", every, Candidates(Board{}).at(cell), implied},
        {"NoCandidateStringsNarrowNothing", every, 0, implied},
        {"APlayDigitMissingFromItsCell", given, digitBit(2), implied},
        {"AnEmptyCellLeftWithoutCandidates", cell, digitBit(1), implied},
        {"TheSolutionsDigitTaken", cell, implied.at(cell) & ~digitBit(3), implied},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HintPosition position = positionOf(narrowed);
        if (c.cell == every)
            position.shown.fill(static_cast<engine::Digits>(c.shown));
        else
            position.shown[c.cell] = static_cast<engine::Digits>(c.shown);
        EXPECT_TRUE(hintMarks(position, solution) == c.marks);
    }
}

using Hints = AnalysisTest;

// A board the engine need not work on answers at once, and no answer but a
// step changes the board.
TEST_F(Hints, EachBoardWithoutAStepSaysWhyAndStaysAsItIs) {
    using enum HintEnd;
    const std::string wrongDigit = "4" + std::string(MediumPuzzle.puzzle.substr(1)); // r1c1 is 3
    const std::string empty(81, '.');
    const struct {
        const char* name;
        std::string play, candidate;
        HintEnd end;
        int digit, solutions;
    } cases[] = {
        {"RepeatedPlayDigit", "5...5" + empty.substr(5), empty, Duplicate, 5, 0},
        {"RepeatedSingleCandidate", empty, "7........7" + empty.substr(10), Duplicate, 7, 0},
        {"Solved", std::string(MediumPuzzle.solution), empty, Solved, 0, 0},
        {"NoSolution", wrongDigit, empty, NoSolution, 0, 0},
        {"NoStepOnAnEmptyBoard", empty, empty, Stuck, 0, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        putBoard(play.Grid3, c.play);
        putBoard(play.Grid1, c.candidate);
        play.Grid3.setCurrent(2, 3);
        const std::string board = joinedTexts(play.Grid3) + joinedTexts(play.Grid1);
        const Hint hint = hintNow();
        EXPECT_EQ(std::tuple(hint.end, hint.digit, hint.solutions, hint.clash.has_value()),
                  std::tuple(c.end, c.digit, c.solutions, c.end == Duplicate));
        EXPECT_FALSE(applyHint(play, hint));
        EXPECT_EQ(joinedTexts(play.Grid3) + joinedTexts(play.Grid1), board);
        EXPECT_EQ(std::pair(play.Grid3.row(), play.Grid3.col()), std::pair(2, 3));
        EXPECT_EQ(play.HistIdx, 0);
    }
}

// Hints applied one after the other solve the puzzle (the steps' soundness is
// the engine's), one slot each, the candidate grid and CandArr kept alike; a
// placement lands at the current cell, as "Put In the Grid" writes there, and
// leaves the candidate grid alone. Revert takes every step back.
TEST_F(Hints, AppliedHintsSolveThePuzzleOneRevertibleSlotAStep) {
    play.showAsFreshGame(MediumPuzzle.puzzle);
    int steps = 0, eliminating = 0;
    for (Hint hint = hintNow(); hint.end == HintEnd::Step; hint = hintNow()) {
        const std::string grid1 = joinedTexts(play.Grid1);
        ASSERT_TRUE(applyHint(play, hint));
        ASSERT_EQ(play.HistIdx, ++steps);
        for (const engine::CellDigit& removed : hint.step.eliminations)
            EXPECT_EQ(
                play.Grid1.text(removed.cell / 9, removed.cell % 9).find(char('0' + removed.digit)),
                std::string::npos);
        if (hint.step.eliminations.empty()) { // a placement
            EXPECT_EQ(play.Grid3.row() * 9 + play.Grid3.col(), hint.step.placements.back().cell);
            EXPECT_EQ(joinedTexts(play.Grid1), grid1) << steps;
        } else {
            ++eliminating;
        }
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

} // namespace
