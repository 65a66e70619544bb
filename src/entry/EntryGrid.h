// The entry grid of "Add a New Game" with its floating editor Text1: a new puzzle
// typed cell by cell, in normal or fast entry mode.
#pragma once

#include "controls/CellGrid.h"
#include "controls/Controls.h"
#include "controls/Shell.h"

#include <functional>
#include <string_view>

class EntryGrid {
public:
    // `shell` beeps at the grid's edges; `pages` tells which page is shown, and
    // must outlive the entry grid. The editor starts detached (see EditorDetached)
    // with its first-key marker armed, and hidden until its first placement, so no
    // text of its own shows over a cell of the new, empty puzzle.
    EntryGrid(Shell& shell, const TabArea& pages);
    EntryGrid(const EntryGrid&) = delete;
    EntryGrid& operator=(const EntryGrid&) = delete;

    CellGrid Grid2;  // entry grid
    TextBox Text1;   // floating editor
    CheckBox Check1; // "Fast Entry Mode"
    // While set, the editor holds text that did not come from Grid2: leaving a
    // cell stores nothing until the grid takes the focus again.
    bool EditorDetached = false;

    // The keyboard focus is state here, so the focus rules run without a window.
    // focusOwner() is the control that has it as far as these handlers care. The
    // window reports each real move of its focus with focusMovedTo / focusLeft
    // (repeats, and the window losing or regaining activation, are not moves);
    // when the entry grid itself gives the editor the focus it raises onFocusTaken
    // and the window asks its toolkit for the focus to match. The handlers below
    // run only on a change of owner, so each focus event reaches them exactly once.
    enum class Focus { Elsewhere, Grid2, Text1 };
    Focus focusOwner() const { return focus_; }
    // Moves the focus to `owner`; on a change raises Text1_LostFocus when the
    // editor had it, then Text1_GotFocus or Grid2_ReattachEditor for the new owner.
    void focusMovedTo(Focus owner);
    // `owner` lost the focus to a control the entry grid does not watch.
    void focusLeft(Focus owner);
    // Gives the editor the focus. Fails, changing nothing, while its page is not
    // the one shown or the editor is hidden. Hiding the editor does not move the
    // focus: a placement hides and shows it while the user keeps typing.
    bool Text1_SetFocus();
    std::function<void()> onFocusTaken;

    // Every cell of `board` as typing it and leaving the cell stores it: "1"-"9"
    // as the digit on cyan, any other character (and any cell past the end) empty
    // and white. An attached editor is handed its cell's new text, so that leaving
    // the cell keeps what was typed there. The current cell stays where it is.
    void typeBoard(std::string_view board);

    void Grid2_CellLeaving();    // stores the editor's text into the cell being left
    void Grid2_CellEntered();    // places the editor over the new current cell
    void Grid2_ReattachEditor(); // the grid got the focus: attaches a detached editor
    void Text1_GotFocus();
    void Text1_LostFocus();
    // The arrow keys move the current cell; KeyCode is a desktop key code (KeyCodes.h).
    void Text1_KeyDown(int& KeyCode, int Shift);
    // A typed character; setting KeyAscii to 0 swallows it.
    void Text1_KeyPress(int& KeyAscii);
    // Spends the box's first-key marker (its tag: "0" armed, "1" spent) on a key
    // typed with the caret at its resting place (0, or the end of a right-aligned
    // text). A digit, or with `anyKey` any key but Escape, Enter and Backspace,
    // empties the box first. Returns true.
    static bool ClearOnFirstKey(TextBox& box, int KeyAscii, bool anyKey);

private:
    void placeEditor();
    void advanceCell();

    Shell& shell_;
    const TabArea& pages_;
    Focus focus_ = Focus::Elsewhere;
};
