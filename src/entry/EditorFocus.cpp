// The keyboard focus between the entry grid and its editor, kept as plain state:
// each handler runs once per real change of owner, whoever caused the change.
#include "entry/EntryGrid.h"

void EntryGrid::focusMovedTo(Focus owner) {
    if (owner == focus_)
        return;
    const Focus previous = focus_;
    // The owner changes before the handlers run, so a handler that moves the focus
    // on (the grid handing it to the editor) starts from the right owner.
    focus_ = owner;
    if (previous == Focus::Text1)
        Text1_LostFocus();
    if (owner == Focus::Text1)
        Text1_GotFocus();
    else if (owner == Focus::Grid2)
        Grid2_ReattachEditor();
}

void EntryGrid::focusLeft(Focus owner) {
    if (owner == focus_)
        focusMovedTo(Focus::Elsewhere);
}

bool EntryGrid::Text1_SetFocus() {
    if (pages_.tab != Page::Entry || !Text1.visible())
        return false;
    focusMovedTo(Focus::Text1);
    if (onFocusTaken)
        onFocusTaken();
    return true;
}

void EntryGrid::Text1_GotFocus() {
    Text1.setTag("0");
    Text1.setCaret(0);
    Text1.setBackColor(Magenta);
}

void EntryGrid::Text1_LostFocus() {
    Text1.setBackColor(White);
}
