// The player's own game through the form: typed moves, the history's labels, the mistakes.
#include "support/FormFixture.h"

namespace {

class PlayerGame : public FormTest {
protected:
    std::string label(int slot) const { return form.play().HistLabel(slot); }
};

// With "Remove Candidates When Placing" the peers lose the digit in the same
// step; without it the candidate grid is left as it was. One "Revert" takes
// back exactly the move either way.
TEST_F(PlayerGame, ATypedMoveIsOneHistoryStep) {
    for (const bool cleaning : {false, true}) {
        SCOPED_TRACE(cleaning ? "cleaning the peers" : "plain");
        form.Command2_Click();
        form.setRemoveWhenPlacing(cleaning);
        const std::string grid1 = joinedTexts(form.controls().Grid1);
        typeAt(form, 0, 1, '4');
        EXPECT_EQ(form.play().HistIdx, 1);
        EXPECT_EQ(label(1), "r1c2 = 4");
        EXPECT_EQ(form.controls().Grid1.text(0, 2), cleaning ? "12356789" : "123456789");
        typeAt(form, 0, 1, ' ');
        EXPECT_EQ(label(2), "r1c2 cleared");
        form.Command3_Click();
        form.Command3_Click();
        EXPECT_EQ(boardOf(form.controls().Grid3), cellsOf(BuiltInBoard));
        EXPECT_EQ(joinedTexts(form.controls().Grid1), grid1);
        form.Command4_Click();
        EXPECT_EQ(form.controls().Grid3.text(0, 1), "4");
    }
}

// The labels stay with their slots through a run taken back, Revert, Forward,
// and the oldest slot dropped at the end of the history.
TEST_F(PlayerGame, EachSlotIsLabelledWithWhatRecordedIt) {
    EXPECT_EQ(label(0), "Start");
    form.Command1_Click();
    EXPECT_EQ(label(1), "Update: 1 placed");
    typeAt(form, 0, 1, '5');
    form.Command13_Click();
    EXPECT_EQ(label(3), "Clue taken back");
    form.Command3_Click();
    form.Command4_Click();
    EXPECT_EQ(form.play().HistIdx, 3);
    form.toggleCandidate(4, 4, 1);
    form.fillCandidates();
    EXPECT_EQ(label(4), "r5c5: 1 struck");
    EXPECT_EQ(label(5), "Fill Candidates");
    for (int step = 0; step < 500; ++step)
        form.toggleCandidate(4, 4, 2);
    EXPECT_EQ(form.play().HistIdx, 500);
    EXPECT_EQ(label(0), "Fill Candidates") << "the oldest five slots went";
    EXPECT_EQ(label(1), "r5c5: 2 restored") << "the filled candidates lacked it";
    EXPECT_EQ(label(500), "r5c5: 2 struck");
    EXPECT_EQ(form.play().lastRecorded(), 500);
}

// The solution is worked out off the window's thread: no line until it comes,
// and a way back asked for meanwhile is made once it does. Two wrong digits and
// a candidate string without the solution's digit are three mistakes; going
// back lands on the last slot without any.
TEST_F(PlayerGame, MistakesAreCountedAndTheWayBackLandsOnTheLastCorrectBoard) {
    shell.jobs.hold = true;
    form.setShowMistakes(true);
    EXPECT_EQ(form.mistakesLine(), "");
    form.backToLastCorrectBoard();
    shell.jobs.finishJobs();
    EXPECT_EQ(form.controls().PlayStatus.text(), "No mistake to go back from.");
    shell.jobs.hold = false;
    typeAt(form, 0, 1, '4');
    typeAt(form, 8, 7, '1');
    form.toggleCandidate(8, 0, 9);
    typeAt(form, 8, 6, '3');
    EXPECT_EQ(form.mistakesLine(), "Mistakes: 3");
    EXPECT_TRUE(form.mistakes().play[8 * 9 + 6]);
    form.backToLastCorrectBoard();
    EXPECT_EQ(form.play().HistIdx, 1);
    EXPECT_EQ(form.controls().PlayStatus.text(), "Went back 3 steps to the last correct board.");
    EXPECT_EQ(form.mistakesLine(), "Mistakes: 0");
    form.pastePuzzle("5" + std::string(80, '.'));
    EXPECT_EQ(form.mistakesLine(), "Mistakes: no single solution");
}

} // namespace
