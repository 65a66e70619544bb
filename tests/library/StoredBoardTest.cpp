// Reading a stored board text: lenient about what it holds, strict about what it leaves.
#include "support/FormFixture.h"

namespace {

using StoredBoard = FormTest;

TEST_F(StoredBoard, KeepsOnlyDigitsOneToNineOnCyanCells) {
    form.Grid3.clear();
    form.showStoredBoard("5x0-7. +9" + std::string(71, '0') + "4");
    EXPECT_EQ(boardOf(form.Grid3), "5...7...9" + std::string(71, '.') + "4");
    EXPECT_EQ(form.Grid3.backColor(0, 0), Cyan);
    EXPECT_EQ(form.Grid3.backColor(0, 1), White);
    EXPECT_EQ(form.Text1.text(), "") << "every erased cell copies its empty text into the editor";
}

TEST_F(StoredBoard, AFullBoardLeavesTheBottomRightTextInTheEditor) {
    form.showStoredBoard(std::string(80, '1') + "4");
    EXPECT_EQ(form.Text1.text(), "4");
}

TEST_F(StoredBoard, ShortEmptyAndLongTextsGiveEmptyCellsOrAreCut) {
    form.showStoredBoard("123");
    EXPECT_EQ(boardOf(form.Grid3), "123" + std::string(78, '.'));
    EXPECT_EQ(form.Text1.text(), "");
    form.showStoredBoard("");
    EXPECT_EQ(boardOf(form.Grid3), std::string(81, '.'));
    form.showStoredBoard(std::string(81, '0') + "999");
    EXPECT_EQ(boardOf(form.Grid3), std::string(81, '.'));
}

TEST_F(StoredBoard, StartsAFreshHistoryAndLeavesTheCandidatesAlone) {
    form.Grid1.setText(0, 0, "47");
    form.HistIdx = 7;
    form.EditorDetached = false;
    form.showStoredBoard(std::string(80, '0') + "6");
    EXPECT_EQ(form.HistIdx, 0);
    EXPECT_EQ(form.HistGrid3.at(0, 8, 8), "6");
    EXPECT_EQ(form.HistGrid1.at(0, 0, 0), "47");
    EXPECT_EQ(form.Grid1.text(0, 0), "47");
    EXPECT_TRUE(form.EditorDetached);
    EXPECT_EQ(std::pair(form.Grid3.row(), form.Grid3.col()), std::pair(8, 8));
}

} // namespace
