// Start-up and "Default Game": the built-in puzzle, full candidates, a fresh history.
#include "support/FormFixture.h"

namespace {

using StartUp = FormTest;

TEST_F(StartUp, ShowsTheBuiltInPuzzleWithCyanGivens) {
    EXPECT_EQ(boardOf(form.Grid3), cellsOf(BuiltInBoard));
    for (int row = 0; row < 9; ++row)
        for (int col = 0; col < 9; ++col) {
            const bool given = !form.Grid3.text(row, col).empty();
            EXPECT_EQ(form.Grid3.backColor(row, col), given ? Cyan : White) << row << ',' << col;
            EXPECT_EQ(form.Grid1.text(row, col), "123456789");
            EXPECT_EQ(form.Grid1.backColor(row, col), White) << "no colouring at start-up";
            EXPECT_EQ(form.CandArr[row][col], "123456789");
        }
    EXPECT_EQ(form.Grid3.row(), 0);
    EXPECT_EQ(form.Grid3.col(), 0);
    EXPECT_TRUE(form.EditorDetached);
    EXPECT_EQ(form.Text1.text(), "5");
    EXPECT_EQ(form.Text2.text(), "0");
}

TEST_F(StartUp, RecordsTheBoardAsSlotZero) {
    EXPECT_EQ(form.HistIdx, 0);
    EXPECT_EQ(boardOf(form.HistGrid3, 0), cellsOf(BuiltInBoard));
    EXPECT_EQ(form.HistGrid1.at(0, 8, 8), "123456789");
}

TEST_F(StartUp, MakesSquareCellsOnAllThreeGrids) {
    for (const CellGrid* grid : {&form.Grid1, &form.Grid2, &form.Grid3}) {
        EXPECT_EQ(grid->colWidth(4), 500);
        EXPECT_EQ(grid->rowHeight(), 500);
    }
}

// Only slots 0 to 4 are emptied, so a later game's slot 5 is reachable again.
TEST_F(StartUp, DefaultGameEmptiesOnlyTheFirstFiveSlots) {
    for (char digit = '1'; digit <= '7'; ++digit)
        record(std::string(1, digit) + std::string(80, '.'));
    form.Command2_Click();
    EXPECT_EQ(form.HistIdx, 0);
    form.Command4_Click();
    EXPECT_EQ(boardOf(form.Grid3), std::string(81, '.')) << "slot 1 was emptied";
    for (int i = 0; i < 4; ++i)
        form.Command4_Click();
    EXPECT_EQ(form.HistIdx, 5);
    EXPECT_EQ(boardOf(form.Grid3), "5" + std::string(80, '.'));
}

TEST_F(StartUp, DefaultGameKeepsTheEntryGridAndStopFlag) {
    form.Grid2.setText(3, 3, "7");
    form.StopFlag = true;
    form.EditorDetached = false;
    form.Command2_Click();
    EXPECT_EQ(form.Grid2.text(3, 3), "7");
    EXPECT_TRUE(form.StopFlag);
    EXPECT_TRUE(form.EditorDetached);
}

} // namespace
