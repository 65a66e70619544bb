// Typing a puzzle into the entry grid: the arrow keys, storing on a cell change,
// the two entry modes and the detached editor.
#include "EntryFixture.h"

namespace {

struct ArrowCase {
    const char* name;
    std::pair<int, int> from;
    int key;
    std::pair<int, int> to;
    int beeps;
};

class ArrowKeys : public EntryTest, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(ArrowKeys, MoveTheEditorOrBeepAtTheEdge) {
    const ArrowCase& c = GetParam();
    clickCell(c.from.first, c.from.second);
    EXPECT_EQ(press(c.key), c.key) << "the editor gets the key too";
    EXPECT_EQ(current(), c.to);
    EXPECT_EQ(shell.beeps, c.beeps);
    EXPECT_EQ(form.Text1.rect(), cellRect(c.to.first, c.to.second));
}

INSTANTIATE_TEST_SUITE_P(
    Edges, ArrowKeys,
    ::testing::Values(ArrowCase{"LeftMovesOneColumn", {4, 5}, Keys::Left, {4, 4}, 0},
                      ArrowCase{"LeftAtRowStartWrapsToRowAbove", {4, 0}, Keys::Left, {3, 8}, 0},
                      ArrowCase{"LeftAtTopLeftBeeps", {0, 0}, Keys::Left, {0, 0}, 1},
                      ArrowCase{"RightMovesOneColumn", {4, 5}, Keys::Right, {4, 6}, 0},
                      ArrowCase{"RightAtRowEndWrapsToRowBelow", {4, 8}, Keys::Right, {5, 0}, 0},
                      ArrowCase{"RightAtBottomRightBeeps", {8, 8}, Keys::Right, {8, 8}, 1},
                      ArrowCase{"DownMovesOneRow", {4, 5}, Keys::Down, {5, 5}, 0},
                      ArrowCase{"DownInLastRowBeeps", {8, 3}, Keys::Down, {8, 3}, 1},
                      ArrowCase{"UpMovesOneRow", {4, 5}, Keys::Up, {3, 5}, 0},
                      ArrowCase{"UpInTopRowIsSilent", {0, 5}, Keys::Up, {0, 5}, 0},
                      ArrowCase{"OtherKeysDoNothing", {4, 5}, 'A', {4, 5}, 0}),
    [](const ::testing::TestParamInfo<ArrowCase>& info) { return info.param.name; });

using EntryGrid = EntryTest;

struct StoredText {
    const char* typed;
    Rgb colour;
};

// A cell is cyan exactly when its text begins with a non-zero number.
TEST_F(EntryGrid, CellLeftIsColouredFromItsNumericValue) {
    const StoredText cells[] = {{"7x", Cyan}, {"abc", White}, {"0", White},
                                {" 5", Cyan}, {"", White},    {"12", Cyan}};
    clickCell(0, 0);
    for (const StoredText& cell : cells) {
        SCOPED_TRACE(cell.typed);
        const auto [row, col] = current();
        type(cell.typed);
        press(Keys::Right);
        EXPECT_EQ(at(row, col), cell.typed);
        EXPECT_EQ(form.Grid2.backColor(row, col), cell.colour);
    }
}

TEST_F(EntryGrid, FastDigitIsStoredInTheCellLeftAcrossARowEnd) {
    form.Grid2.setText(3, 0, "2");
    fastMode();
    clickCell(2, 7);
    type("45");
    EXPECT_EQ(at(2, 7), "4");
    EXPECT_EQ(at(2, 8), "5");
    EXPECT_EQ(form.Grid2.backColor(2, 8), Cyan);
    EXPECT_EQ(current(), std::pair(3, 0));
    EXPECT_EQ(form.Text1.text(), "2") << "the editor shows the next cell";
    EXPECT_EQ(at(3, 8), "") << "the row is changed before the column";
    EXPECT_EQ(shell.beeps, 0);

    int digit = '7';
    form.Text1_KeyPress(digit);
    EXPECT_EQ(digit, 0) << "a fast digit is swallowed, not typed a second time";
}

TEST_F(EntryGrid, FastZeroIsTypedWithoutMovingAndStoredWhite) {
    form.Grid2.setText(1, 1, "5");
    fastMode();
    clickCell(1, 1);
    type("0");
    EXPECT_EQ(form.Text1.text(), "0") << "the first key replaced the old text";
    EXPECT_EQ(current(), std::pair(1, 1));
    type("\r");
    EXPECT_EQ(current(), std::pair(1, 2));
    EXPECT_EQ(at(1, 1), "0");
    EXPECT_EQ(form.Grid2.backColor(1, 1), White);
}

TEST_F(EntryGrid, NormalKeysGoInAtTheCaretOnceTheMarkerIsSpent) {
    form.Grid2.setText(2, 2, "5");
    clickCell(2, 1);
    type("\r"); // spends the marker and moves on, keeping the focus
    ASSERT_EQ(current(), std::pair(2, 2));
    ASSERT_EQ(form.Text1.tag(), "1");
    type("3");
    EXPECT_EQ(form.Text1.text(), "35");
    int enter = Keys::Enter;
    form.Text1_KeyPress(enter);
    EXPECT_EQ(enter, Keys::Enter) << "Enter is not swallowed in normal mode";
    EXPECT_EQ(at(2, 2), "35");
    EXPECT_EQ(form.Grid2.backColor(2, 2), Cyan);
    EXPECT_EQ(current(), std::pair(2, 3));
}

TEST_F(EntryGrid, EnterInTheBottomRightCellStoresAndBeeps) {
    clickCell(8, 8);
    type("7\r");
    EXPECT_EQ(at(8, 8), "7");
    EXPECT_EQ(shell.beeps, 1);
    EXPECT_EQ(current(), std::pair(8, 8));
}

// The editor holds the text of another cell (or of the play grid) until the user
// gives the grid the focus, so cell changes must not store it.
TEST_F(EntryGrid, DetachedEditorStoresNothingOnACellChange) {
    ASSERT_TRUE(form.EditorDetached);
    form.Grid2.setCurrent(0, 1);
    EXPECT_EQ(at(0, 0), "") << "the start-up 5 is not stored";
    EXPECT_EQ(form.Text1.rect(), cellRect(0, 1)) << "placing still works";

    form.focusMovedTo(Focus::Text1); // a click straight into the editor
    fastMode();
    type("7");
    EXPECT_EQ(current(), std::pair(0, 2));
    EXPECT_EQ(at(0, 1), "") << "a fast digit is lost while detached";

    form.Check1.value = 0;
    type("4\r");
    EXPECT_EQ(at(0, 2), "4") << "Enter stores directly";
    EXPECT_EQ(form.Grid2.backColor(0, 2), White) << "but only leaving a cell colours it";
}

TEST_F(EntryGrid, GridFocusAttachesTheDetachedEditorOverTheCurrentCell) {
    form.focusMovedTo(Focus::Grid2);
    EXPECT_FALSE(form.EditorDetached);
    EXPECT_EQ(form.Text1.text(), "") << "the start-up 5 gives way to the cell's text";
    EXPECT_EQ(form.Text1.rect(), cellRect(0, 0));
    EXPECT_EQ(form.focusOwner(), Focus::Text1) << "the editor takes the focus from the grid";

    form.Text1.setText("8");
    form.focusMovedTo(Focus::Grid2);
    EXPECT_EQ(form.focusOwner(), Focus::Grid2) << "an attached editor leaves the grid the focus";
    EXPECT_EQ(form.Text1.text(), "8");
}

TEST_F(EntryGrid, ClearGridThenACellChangeStoresTheEditorTextBack) {
    form.Grid2.setText(4, 4, "6");
    clickCell(4, 4);
    form.Command8_Click();
    EXPECT_EQ(at(4, 4), "");
    press(Keys::Down);
    EXPECT_EQ(at(4, 4), "6");
    EXPECT_EQ(form.Grid2.backColor(4, 4), Cyan);
}

} // namespace
