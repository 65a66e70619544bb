// The player's own candidates on the built-in puzzle (the mistakes are the form's tests).
#include "analysis/Notes.h"

#include "AnalysisFixture.h"

namespace {

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
