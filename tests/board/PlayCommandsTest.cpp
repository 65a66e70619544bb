// "Put In the Grid", "Clear Grids" and "Clear Grid".
#include "support/FormFixture.h"

namespace {

using PlayCommands = FormTest;

TEST_F(PlayCommands, PutInTheGridWritesTheDigitBoxAsItIs) {
    form.Grid3.setCurrent(0, 1);
    form.Command11_Click();
    EXPECT_EQ(form.Grid3.text(0, 1), "0") << "the digit box starts with 0";
    EXPECT_EQ(form.Text2.text(), "0");

    form.Text2.setText("12 x");
    form.Grid3.setCurrent(0, 0); // a given: not protected
    form.Command11_Click();
    EXPECT_EQ(form.Grid3.text(0, 0), "12 x");
    EXPECT_EQ(form.Grid3.backColor(0, 0), Cyan) << "colour waits for the next colouring";
    EXPECT_EQ(form.HistGrid3.at(0, 0, 0), "5") << "nothing is recorded";
}

TEST_F(PlayCommands, ClearGridsEmptiesBothPlaySideGridsOnly) {
    form.Grid2.setText(1, 1, "4");
    form.Command7_Click();
    for (int row = 0; row < 9; ++row)
        for (int col = 0; col < 9; ++col) {
            EXPECT_EQ(form.Grid3.text(row, col), "");
            EXPECT_EQ(form.Grid3.backColor(row, col), White);
            EXPECT_EQ(form.Grid1.text(row, col), "");
        }
    EXPECT_EQ(form.Grid2.text(1, 1), "4");
    EXPECT_EQ(form.HistGrid3.at(0, 0, 0), "5");
}

TEST_F(PlayCommands, ClearGridEmptiesOnlyTheEntryGrid) {
    form.Grid2.setText(1, 1, "4");
    form.Grid2.setBackColor(1, 1, Cyan);
    form.Text1.setText("8");
    form.Command8_Click();
    EXPECT_EQ(form.Grid2.text(1, 1), "");
    EXPECT_EQ(form.Grid2.backColor(1, 1), White);
    EXPECT_EQ(form.Text1.text(), "8") << "the editor keeps its text";
    EXPECT_EQ(boardOf(form.Grid3), cellsOf(BuiltInBoard));
}

} // namespace
