// Typing a puzzle into the entry grid through its editor, and what the live check reads.
#include "entry/EntryGrid.h"

#include "entry/EntryCheck.h"
#include "entry/KeyCodes.h"
#include "support/BoardText.h"
#include "support/FakeShell.h"

#include <gtest/gtest.h>

namespace {

using Focus = EntryGrid::Focus;

// The entry grid on "Add a New Game" as start-up leaves it (detached, the editor
// holding the play grid's top-left given, cells 500 units square), with clicks
// and keys as the window reports them.
class Entry : public ::testing::Test {
protected:
    Entry() {
        pages.tab = Page::Entry;
        entry.EditorDetached = true;
        entry.Text1.setText("5");
        entry.Grid2.setCellSize(500);
        entry.Grid2.setPosition(200, 300);
    }

    void clickCell(int row, int col) {
        entry.focusMovedTo(Focus::Grid2); // a click gives the grid the focus first
        entry.Grid2.setCurrent(row, col);
    }

    // Types `keys` ('\r' is Enter) and returns those not swallowed; all of them but
    // Enter go in at the caret, as the text box puts them.
    std::string type(std::string_view keys) {
        std::string left;
        for (const char key : keys) {
            int k = static_cast<unsigned char>(key);
            entry.Text1_KeyPress(k);
            const int caret = entry.Text1.caret();
            left += k != 0 ? std::string(1, key) : "";
            if (k != 0 && k != Keys::Enter) {
                entry.Text1.setText(std::string(entry.Text1.text()).insert(caret, 1, key));
                entry.Text1.setCaret(caret + 1);
            }
        }
        return left;
    }

    int press(int key) { // a key going down; returns the key code the handler leaves
        entry.Text1_KeyDown(key, 0);
        return key;
    }

    std::pair<int, int> current() const { return {entry.Grid2.row(), entry.Grid2.col()}; }
    // The cell's text, and its background when cyan.
    std::string at(int row, int col) const {
        return entry.Grid2.text(row, col) +
               (entry.Grid2.backColor(row, col) == Cyan ? " cyan" : "");
    }
    // Where the editor must stand over cell (r, c) of a grid at (200, 300).
    static UnitRect cellRect(int r, int c) { return {200 + c * 500, 300 + r * 500, 500, 500}; }

    FakeShell shell;
    TabArea pages;
    EntryGrid entry{shell, pages};
};

TEST_F(Entry, ArrowKeysMoveTheEditorOrBeepAtTheEdge) {
    struct Case {
        const char* name;
        int fromRow, fromCol, key, toRow, toCol, beeps;
    };
    const Case cases[] = {{"LeftAtRowStartWrapsToRowAbove", 4, 0, Keys::Left, 3, 8, 0},
                          {"LeftAtTopLeftBeeps", 0, 0, Keys::Left, 0, 0, 1},
                          {"RightAtRowEndWrapsToRowBelow", 4, 8, Keys::Right, 5, 0, 0},
                          {"RightAtBottomRightBeeps", 8, 8, Keys::Right, 8, 8, 1},
                          {"DownInLastRowBeeps", 8, 3, Keys::Down, 8, 3, 1},
                          {"UpInTopRowIsSilent", 0, 5, Keys::Up, 0, 5, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clickCell(c.fromRow, c.fromCol);
        const int beeps = shell.beeps;
        EXPECT_EQ(press(c.key), c.key) << "the editor gets the key too";
        EXPECT_EQ(current(), std::pair(c.toRow, c.toCol));
        EXPECT_EQ(shell.beeps - beeps, c.beeps);
        EXPECT_EQ(entry.Text1.rect(), cellRect(c.toRow, c.toCol));
    }
}

// A fast digit is swallowed and stored in the cell left; "0" is typed in place.
TEST_F(Entry, FastEntryStoresDigitsAcrossARowEndAndTypesZeroInPlace) {
    entry.Grid2.setText(2, 7, "5");
    entry.Check1.value = 1;
    clickCell(2, 7);
    EXPECT_EQ(type("0"), "0");
    EXPECT_EQ(entry.Text1.text(), "0") << "the armed marker emptied the 5 first";
    EXPECT_EQ(current(), std::pair(2, 7));
    EXPECT_EQ(type("\r5"), "\r");
    EXPECT_EQ(at(2, 7) + "," + at(2, 8), "0,5 cyan");
    EXPECT_EQ(current(), std::pair(3, 0));
}

// Moving on keeps the focus, so the marker stays spent: "3" goes in before the 5.
TEST_F(Entry, NormalEntryStoresOnEnterAndColoursTheCellLeftByItsValue) {
    entry.Grid2.setText(8, 8, "5");
    clickCell(8, 6);
    EXPECT_EQ(type("abc\r7x\r3"), "abc\r7x\r3") << "normal mode swallows no key, Enter too";
    EXPECT_EQ(entry.Text1.text(), "35");
    type("\r");
    EXPECT_EQ(at(8, 6) + "," + at(8, 7), "abc,7x cyan");
    EXPECT_EQ(entry.Grid2.text(8, 8), "35") << "Enter stores in the last cell too, and beeps";
    EXPECT_EQ(current(), std::pair(8, 8));
    EXPECT_EQ(shell.beeps, 1);
    entry.Grid2.clear(); // "Clear Grid": the editor keeps its text, and leaving stores it
    press(Keys::Up);
    EXPECT_EQ(at(8, 6) + "," + at(8, 8), ",35 cyan");
}

// Until the grid takes the focus the editor holds another cell's text: store none.
TEST_F(Entry, DetachedEditorStoresNothingUntilTheGridTakesTheFocus) {
    EXPECT_FALSE(entry.Text1.visible()) << "its start-up text never shows over a cell";
    entry.Grid2.setCurrent(0, 1);
    EXPECT_EQ(at(0, 0), "") << "the start-up 5 is not stored";
    entry.focusMovedTo(Focus::Text1); // a click straight into the editor
    entry.Check1.value = 1;
    type("7");
    EXPECT_EQ(at(0, 1), "") << "a fast digit is lost while detached";
    entry.focusMovedTo(Focus::Grid2);
    type("4");
    EXPECT_EQ(at(0, 2), "4 cyan");
}

// A pasted board reads as if each cell had been typed and left; the editor, half
// way through typing "6", must not store it over the pasted cell afterwards.
TEST_F(Entry, ATypedBoardFillsEveryCellAndSurvivesLeavingTheEditorsCell) {
    const std::string puzzle = cellsOf(EasyPuzzle.puzzle);
    for (const bool detached : {false, true}) {
        SCOPED_TRACE(detached ? "detached" : "attached");
        entry.Grid2.setBackColor(0, 2, Cyan);
        clickCell(4, 3);
        type("6");
        entry.EditorDetached = detached;
        entry.typeBoard(puzzle);
        press(Keys::Down);
        for (int i = 0; i < 81; ++i)
            EXPECT_EQ(at(i / 9, i % 9), puzzle[i] == '.' ? "" : puzzle.substr(i, 1) + " cyan") << i;
        EXPECT_EQ(entry.EditorDetached, detached);
    }
}

// Repeats the window reports must not re-arm the marker; a hidden page never takes the focus.
TEST_F(Entry, EditorFocusChangesOnlyForRealAndOnlyOnItsShownPage) {
    clickCell(1, 1);
    type("a");
    entry.focusMovedTo(Focus::Text1);
    entry.focusLeft(Focus::Grid2);
    EXPECT_EQ(entry.Text1.tag(), "1");
    entry.focusLeft(Focus::Text1);
    EXPECT_EQ(entry.Text1.backColor(), White);
    entry.focusMovedTo(Focus::Text1);
    EXPECT_EQ(entry.Text1.tag(), "0");
    EXPECT_EQ(entry.Text1.backColor(), Magenta);
    entry.focusMovedTo(Focus::Grid2);
    EXPECT_EQ(entry.focusOwner(), Focus::Grid2) << "an attached editor leaves the grid the focus";

    int requests = 0;
    entry.onFocusTaken = [&] { ++requests; };
    pages.tab = Page::Play;
    entry.Grid2.setCurrent(0, 0);
    EXPECT_EQ(entry.Text1.rect(), cellRect(0, 0)) << "the placement goes on without the focus";
    EXPECT_EQ(entry.focusOwner(), Focus::Grid2);
    pages.tab = Page::Entry;
    entry.Grid2.setCurrent(0, 1);
    EXPECT_EQ(entry.focusOwner(), Focus::Text1);
    EXPECT_EQ(requests, 1) << "the window is asked to follow";
}

// "Save Game" stores one character a cell, which the live check reads: a cell
// counts when its value is a whole digit, whatever else its text holds. A cell
// stored otherwise would shift every later one and lose the board's end.
TEST(EntryCheck, EachCellIsStoredAsOneCharacterThatTheLiveCheckReads) {
    const std::pair<const char*, char> cells[] = {
        {"7", '7'},   {" 4", '4'},  {"6x", '6'},  {"2.0", '2'}, {"12", '0'}, {"-3", '0'},
        {"1.5", '0'}, {"1e3", '0'}, {"1 2", '0'}, {"ab", '0'},  {"", '0'}};
    for (const auto& [text, digit] : cells) {
        SCOPED_TRACE(text);
        CellGrid grid;
        grid.setText(3, 3, text);
        grid.setText(8, 8, "9");
        EXPECT_EQ(storedBoardText(grid), std::string(30, '0') + digit + std::string(49, '0') + "9");
        EXPECT_EQ(readEntry(grid).givens, digit == '0' ? 1 : 2);
    }
}

// Runs the first-key rule of any text box for `key` on a box holding "57".
std::pair<std::string, std::string> firstKey(int key, bool anyKey, const char* tag, int caret = 0,
                                             Alignment alignment = Alignment::Left) {
    TextBox box;
    box.setText("57");
    box.setAlignment(alignment);
    box.setCaret(caret);
    box.setTag(tag);
    EntryGrid::ClearOnFirstKey(box, key, anyKey);
    return {box.text(), box.tag()};
}

TEST(ClearOnFirstKey, SpendsTheArmedMarkerAndEmptiesTheBoxForADigit) {
    using Box = std::pair<std::string, std::string>;
    EXPECT_EQ(firstKey('3', false, "0"), Box("", "1")) << "a digit empties the box";
    EXPECT_EQ(firstKey('a', false, "0"), Box("57", "1")) << "a letter only spends the marker";
    EXPECT_EQ(firstKey('a', true, "0"), Box("", "1")) << "any key empties it when asked";
    EXPECT_EQ(firstKey(Keys::Enter, true, "0"), Box("57", "1")) << "Enter never empties it";
    EXPECT_EQ(firstKey('3', false, "1"), Box("57", "1")) << "a spent marker leaves the box";
    EXPECT_EQ(firstKey('3', false, "0", 1), Box("57", "0")) << "the caret away keeps the marker";
    EXPECT_EQ(firstKey('3', false, "0", 2, Alignment::Right), Box("", "1"))
        << "a right-aligned box rests at its end";
    EXPECT_EQ(firstKey('3', false, "x"), Box("", "1")) << "a tag with no number counts as armed";
}

} // namespace
