// Typing a new puzzle into the entry grid: the floating editor over the current
// cell, storing on every cell change, the arrow keys and the two entry modes.
#include "entry/EntryGrid.h"

#include "entry/KeyCodes.h"

namespace {

constexpr int LastCol = 8;

bool isFastEntryDigit(int k) {
    return k >= '1' && k <= '9';
}

} // namespace

EntryGrid::EntryGrid(Shell& shell, const TabArea& pages) : shell_(shell), pages_(pages) {
    Grid2.onLeaveCell = [this] { Grid2_CellLeaving(); };
    Grid2.onEnterCell = [this] { Grid2_CellEntered(); };
    Text1.setTag("0");
    Text1.setVisible(false);
}

void EntryGrid::Grid2_CellLeaving() {
    if (EditorDetached)
        return;
    Grid2.setCurrentText(Text1.text());
    Text1.setText("");
    Grid2.setCurrentBackColor(Grid2.currentValue() != 0 ? Cyan : White);
}

void EntryGrid::typeBoard(std::string_view board) {
    for (int row = 0; row < Grid2.rowCount(); ++row) {
        for (int col = 0; col <= LastCol; ++col) {
            const auto at = static_cast<std::size_t>(row * (LastCol + 1) + col);
            const char ch = at < board.size() ? board[at] : '0';
            const bool digit = ch >= '1' && ch <= '9';
            Grid2.setText(row, col, digit ? std::string_view(&board[at], 1) : "");
            Grid2.setBackColor(row, col, digit ? Cyan : White);
        }
    }
    if (!EditorDetached)
        Text1.setText(Grid2.currentText());
}

void EntryGrid::Grid2_CellEntered() {
    placeEditor();
}

void EntryGrid::Grid2_ReattachEditor() {
    if (!EditorDetached)
        return;
    EditorDetached = false;
    placeEditor();
}

// Lays the editor over the current cell with the cell's text. Only taking the
// focus can fail (the page is not shown); the placement goes on without it.
void EntryGrid::placeEditor() {
    Text1.setText("");
    Text1.setVisible(false);
    const UnitRect cell = Grid2.currentCellRect();
    Text1.setRect({Grid2.left() + cell.left, Grid2.top() + cell.top, cell.width, cell.height});
    Text1.setText(Grid2.currentText());
    Text1.setVisible(true);
    Text1_SetFocus();
    Text1.setCaret(0);
}

void EntryGrid::Text1_KeyDown(int& KeyCode, int /*Shift: any state moves alike*/) {
    const int lastRow = Grid2.rowCount() - 1;
    switch (KeyCode) {
    case Keys::Left:
        if (Grid2.col() > 0) {
            Grid2.setCol(Grid2.col() - 1);
        } else if (Grid2.row() > 0) {
            Grid2.setRow(Grid2.row() - 1);
            Grid2.setCol(LastCol);
        } else {
            shell_.beep();
        }
        break;
    case Keys::Right:
        advanceCell();
        break;
    case Keys::Down:
        if (Grid2.row() < lastRow)
            Grid2.setRow(Grid2.row() + 1);
        else
            shell_.beep();
        break;
    case Keys::Up:
        if (Grid2.row() > 0)
            Grid2.setRow(Grid2.row() - 1);
        break;
    default:
        break;
    }
}

void EntryGrid::Text1_KeyPress(int& KeyAscii) {
    ClearOnFirstKey(Text1, KeyAscii, false);
    if (Check1.value == 0) {
        if (KeyAscii != Keys::Enter)
            return;
        Grid2.setCurrentText(Text1.text());
        advanceCell();
        return;
    }
    if (isFastEntryDigit(KeyAscii)) {
        // The digit must be in the editor before the move: leaving the cell stores it.
        Text1.setText(std::string(1, static_cast<char>(KeyAscii)));
        KeyAscii = 0;
        advanceCell();
    } else if (KeyAscii == Keys::Enter) {
        advanceCell();
    }
}

// One cell on in reading order: right, or to the start of the next row; a beep
// at the bottom-right cell.
void EntryGrid::advanceCell() {
    if (Grid2.col() < LastCol) {
        Grid2.setCol(Grid2.col() + 1);
    } else if (Grid2.row() < Grid2.rowCount() - 1) {
        Grid2.setRow(Grid2.row() + 1);
        Grid2.setCol(0);
    } else {
        shell_.beep();
    }
}
