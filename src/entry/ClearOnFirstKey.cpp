// The general-purpose first-key rule of a text box: the first digit typed after
// the box got the focus replaces its old text instead of going in before it.
#include "controls/NumericValue.h"
#include "entry/EntryGrid.h"
#include "entry/KeyCodes.h"

namespace {

bool isDigitKey(int k) {
    return k >= '0' && k <= '9';
}

// Keys that edit or leave the box rather than type into it.
bool isControlKey(int k) {
    return k == 0 || k == Keys::Escape || k == Keys::Enter || k == Keys::Backspace;
}

int restingCaret(const TextBox& box) {
    return box.alignment() == Alignment::Right ? static_cast<int>(box.text().size()) : 0;
}

} // namespace

bool EntryGrid::ClearOnFirstKey(TextBox& box, int KeyAscii, bool anyKey) {
    // The tag is read through its numeric value, so a tag that holds no number
    // counts as armed instead of failing.
    if (box.caret() == restingCaret(box) && numericValue(box.tag()) == 0) {
        box.setTag("1");
        if (!isControlKey(KeyAscii) && (anyKey || isDigitKey(KeyAscii)))
            box.setText("");
    }
    return true;
}
