// A started form with the "Add a New Game" page showing, and the user's clicks
// and keys on the entry grid as the window reports them.
#pragma once

#include "entry/KeyCodes.h"
#include "support/FormFixture.h"

#include <string_view>
#include <utility>

class EntryTest : public FormTest {
protected:
    using Focus = Frm_TaBrel::Focus;

    EntryTest() {
        form.SSTab2.tab = 1;
        form.Grid2.setPosition(200, 300);
    }

    // A click on a cell: the grid takes the focus, then the cell becomes current.
    void clickCell(int row, int col) {
        form.focusMovedTo(Focus::Grid2);
        form.Grid2.setCurrent(row, col);
    }

    void fastMode() { form.Check1.value = 1; }

    // Types `keys` into the editor. A key that the handler does not swallow goes
    // into the text at the caret as the text box puts it; '\r' is Enter, which
    // puts nothing in.
    void type(std::string_view keys) {
        for (const char key : keys) {
            int k = static_cast<unsigned char>(key);
            form.Text1_KeyPress(k);
            if (k == 0 || k == Keys::Enter)
                continue;
            std::string text = form.Text1.text();
            const int caret = form.Text1.caret();
            text.insert(static_cast<std::size_t>(caret), 1, static_cast<char>(k));
            form.Text1.setText(text);
            form.Text1.setCaret(caret + 1);
        }
    }

    // A key going down; returns the key code that the handler leaves.
    int press(int keyCode) {
        form.Text1_KeyDown(keyCode, 0);
        return keyCode;
    }

    std::pair<int, int> current() const { return {form.Grid2.row(), form.Grid2.col()}; }
    const std::string& at(int row, int col) const { return form.Grid2.text(row, col); }

    // Where the editor must stand over cell (row, col) of a grid at (200, 300).
    static UnitRect cellRect(int row, int col) {
        return {200 + col * 500, 300 + row * 500, 500, 500};
    }
};
