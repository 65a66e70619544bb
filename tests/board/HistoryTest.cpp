// "Revert" and "Forward" through the recorded boards, and the bound of 501 slots.
#include "support/FormFixture.h"

namespace {

using History = FormTest;

std::string colours(const CellGrid& grid) {
    std::string shown;
    for (int row = 0; row < 9; ++row)
        for (int col = 0; col < 9; ++col) {
            const Rgb back = grid.backColor(row, col);
            shown.push_back(back == Cyan ? 'c' : back == Magenta ? 'm' : back == White ? 'w' : '?');
        }
    return shown;
}

TEST_F(History, RevertAtSlotZeroChangesNothing) {
    form.Command7_Click();
    form.Grid3.setCurrent(4, 4);
    form.Command3_Click();
    EXPECT_EQ(form.HistIdx, 0);
    EXPECT_EQ(boardOf(form.Grid3), std::string(81, '.'));
    EXPECT_EQ(textsOf(form.Grid1), std::string(80, ','));
    EXPECT_EQ(form.Grid3.row(), 4);
}

TEST_F(History, ForwardIntoAnEmptySlotKeepsOldColoursAndRevertRecolours) {
    const std::string givenColours = colours(form.Grid3);
    form.Command4_Click();
    EXPECT_EQ(form.HistIdx, 1);
    EXPECT_EQ(boardOf(form.Grid3), std::string(81, '.'));
    EXPECT_EQ(textsOf(form.Grid1), std::string(80, ','));
    EXPECT_EQ(colours(form.Grid3), givenColours) << "Forward does not whiten emptied cells";
    EXPECT_EQ(std::pair(form.Grid3.row(), form.Grid3.col()), std::pair(8, 8));

    form.Command3_Click();
    EXPECT_EQ(boardOf(form.Grid3), cellsOf(BuiltInBoard));
    EXPECT_EQ(colours(form.Grid3), givenColours);
    EXPECT_EQ(colours(form.Grid1), std::string(81, 'w'));
}

TEST_F(History, RevertThenForwardWalksTheSameBoards) {
    const std::string first = "1" + std::string(80, '.');
    const std::string second = "12" + std::string(79, '.');
    record(first);
    record(second);
    form.Command3_Click();
    form.Command3_Click();
    EXPECT_EQ(boardOf(form.Grid3), cellsOf(BuiltInBoard));
    form.Command4_Click();
    EXPECT_EQ(boardOf(form.Grid3), first);
    form.Command4_Click();
    EXPECT_EQ(boardOf(form.Grid3), second);
    form.Command4_Click();
    EXPECT_EQ(form.HistIdx, 3);
    EXPECT_EQ(boardOf(form.Grid3), std::string(81, '.'));
}

// The two commands colour differently: Forward only paints non-zero play cells
// cyan (a negative number included) and leaves the candidate grid alone.
TEST_F(History, ForwardAndRevertColourDifferently) {
    form.Command7_Click();
    form.Grid3.setText(0, 1, "-4");
    form.Grid3.setText(0, 2, "0");
    form.Grid1.setText(0, 0, "5");
    form.NextHistSlot();
    form.FILLARRAY();
    form.NextHistSlot();
    form.FILLARRAY();
    form.Command3_Click(); // to slot 1, coloured from content
    EXPECT_EQ(form.Grid3.text(0, 1), "");
    EXPECT_EQ(form.Grid3.text(0, 2), "");
    EXPECT_EQ(form.Grid1.backColor(0, 0), Magenta);

    form.Grid1.setBackColor(0, 0, White);
    form.Grid3.setBackColor(0, 2, Cyan);
    form.Command4_Click(); // to slot 2
    EXPECT_EQ(form.Grid3.text(0, 1), "-4");
    EXPECT_EQ(form.Grid3.backColor(0, 1), Cyan);
    EXPECT_EQ(form.Grid3.text(0, 2), "");
    EXPECT_EQ(form.Grid3.backColor(0, 2), Cyan) << "an erased cell keeps its background";
    EXPECT_EQ(form.Grid1.backColor(0, 0), White) << "the candidate grid is not recoloured";
}

TEST_F(History, ForwardRefusesAtSlot99ButNotAt100) {
    form.HistIdx = 99;
    form.Command4_Click();
    EXPECT_EQ(form.HistIdx, 99);
    form.HistIdx = 100;
    form.Command4_Click();
    EXPECT_EQ(form.HistIdx, 101);
}

TEST_F(History, RevertLosesADigitPutInSinceTheLastRecord) {
    record(cellsOf(BuiltInBoard));
    form.Text2.setText("9");
    form.Grid3.setCurrent(0, 1);
    form.Command11_Click();
    form.Command3_Click();
    form.Command4_Click();
    EXPECT_EQ(form.Grid3.text(0, 1), "");
}

// Recording past the last slot drops the oldest board: the index never leaves
// 0..500 and the newest 501 boards stay reachable in order.
TEST_F(History, RecordingBeyondTheLastSlotDropsTheOldestBoard) {
    for (int i = 1; i <= 600; ++i) {
        form.Grid3.setText(0, 0, std::to_string(i));
        form.NextHistSlot();
        form.FILLARRAY();
    }
    EXPECT_EQ(form.HistIdx, 500);
    EXPECT_EQ(form.HistGrid3.at(500, 0, 0), "600");
    EXPECT_EQ(form.HistGrid3.at(0, 0, 0), "100");
    form.Command4_Click();
    EXPECT_EQ(form.HistIdx, 500) << "nothing lies beyond the last slot";
    form.Command3_Click();
    EXPECT_EQ(form.Grid3.text(0, 0), "599");
    while (form.HistIdx > 0)
        form.Command3_Click();
    EXPECT_EQ(form.Grid3.text(0, 0), "100");
}

} // namespace
