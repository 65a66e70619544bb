// The hint and the player's own candidates: marks read, answers given, steps and toggles.
#include "AnalysisFixture.h"
#include "analysis/Notes.h"
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

using Notes = AnalysisTest;

// Each toggle changes one digit of one cell, keeps the string ascending, colours
// that cell as ColorMe would, and is one slot that "Revert" takes back.
TEST_F(Notes, ATogglePutsOrTakesOneDigitAsOneHistoryStep) {
    const struct {
        const char* before;
        int digit;
        const char* after;
        Rgb colour;
    } cases[] = {{"123456789", 5, "12346789", White},
                 {"12346789", 5, "123456789", White},
                 {"", 7, "7", Magenta},
                 {"7", 7, "", Magenta},
                 {"38", 3, "8", Magenta}};
    for (const auto& [before, digit, after, colour] : cases) {
        SCOPED_TRACE(std::string(before) + " toggled " + std::to_string(digit));
        play.Grid1.setText(0, 1, before);
        play.FILLARRAY();
        ASSERT_TRUE(toggleCandidate(play, 0, 1, digit));
        EXPECT_EQ(play.Grid1.text(0, 1), after);
        EXPECT_EQ(play.CandArr[0][1], after);
        EXPECT_EQ(play.Grid1.backColor(0, 1), colour);
        EXPECT_EQ(play.Grid1.text(0, 2), "123456789") << "no other cell";
        play.revert();
        EXPECT_EQ(play.Grid1.text(0, 1), before);
    }
    EXPECT_FALSE(toggleCandidate(play, 0, 0, 5)) << "r1c1 holds a given";
    EXPECT_EQ(play.HistIdx, 0);
}

// Struck digits stay out of "Fill Candidates", which places nothing; "Reset
// Candidates" brings them back. Either way the struck 9 is no longer drawn faint.
TEST_F(Notes, FillKeepsWhatThePlayerStruckAndResetBringsItBack) {
    ASSERT_TRUE(toggleCandidate(play, 0, 1, 2));
    EXPECT_EQ(struckDigits(play)[1], 0) << "the givens rule 2 out anyway";
    ASSERT_TRUE(toggleCandidate(play, 0, 1, 9));
    EXPECT_EQ(struckDigits(play)[1], 1 << 9);
    const std::string board = boardOf(play.Grid3);
    fillCandidates(play, true);
    EXPECT_EQ(play.Grid1.text(0, 1), "13468");
    EXPECT_EQ(play.Grid1.text(0, 0), "5") << "a filled cell shows its digit";
    EXPECT_EQ(boardOf(play.Grid3), board);
    EXPECT_EQ(play.HistIdx, 3);
    fillCandidates(play, false);
    EXPECT_EQ(play.Grid1.text(0, 1), "134689");
    EXPECT_EQ(struckDigits(play)[1], 0);
}

TEST_F(Notes, APlacedDigitLeavesThePeersCandidates) {
    fillCandidates(play, false);
    play.Grid3.setText(0, 1, "4");
    takeFromPeers(play, 0, 1);
    EXPECT_EQ(play.Grid1.text(0, 1), "4");
    EXPECT_EQ(play.Grid1.text(1, 1), "1369") << "column";
    EXPECT_EQ(play.Grid1.text(0, 2), "1389") << "row";
    EXPECT_EQ(play.Grid1.text(2, 2), "1378") << "box";
    EXPECT_EQ(play.Grid1.text(1, 0), "3679") << "held no 4";
    EXPECT_EQ(play.Grid1.text(4, 4), "1346") << "no peer";
}

// A hint must not prove from marks that lost the solution's digit: it says so.
TEST_F(Notes, AHintNamesTheCandidateTheSolutionNeeds) {
    ASSERT_TRUE(toggleCandidate(play, 4, 4, 4));
    const Hint hint = hintNow();
    EXPECT_EQ(hint.end, HintEnd::LostDigit);
    EXPECT_EQ(hint.cell, 4 * 9 + 4);
    EXPECT_EQ(hint.digit, 4);
}

} // namespace
