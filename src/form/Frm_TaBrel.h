// The one window's form: its grids and controls as plain state, the state kept
// beside them, and every handler and procedure. Members are defined in the folder
// of their subsystem; the window only draws this state and forwards events to it.
#pragma once

#include "analysis/SweepMemo.h"
#include "board/CellGrid.h"
#include "board/Controls.h"
#include "board/PlaySide.h"
#include "board/Shell.h"
#include "library/DropDownList.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class GameStore;
struct GameStoreDeleter {
    void operator()(GameStore* store) const;
};

class Frm_TaBrel : public PlaySide {
public:
    // The stored games are kept in `programFolder`; with none the form has no
    // store: the list stays empty and no file is touched.
    explicit Frm_TaBrel(Shell& shell, std::filesystem::path programFolder = {});
    Frm_TaBrel(const Frm_TaBrel&) = delete;
    Frm_TaBrel& operator=(const Frm_TaBrel&) = delete;

    // Controls; the play and candidate grids are the play side's.
    CellGrid Grid2; // entry grid, on "Add a New Game"
    TextBox Text1;  // floating editor of the entry grid
    TextBox Text2;  // digit for "Put In the Grid"
    CheckBox Check1;
    TabArea SSTab2;

    // Form state beside the play side's.
    bool EditorDetached = false;
    bool StopFlag = false;

    // Start-up and the play-grid buttons.
    void Form_Load();
    void Command2_Click();  // "Default Game"
    void Command3_Click();  // "Revert"
    void Command4_Click();  // "Forward"
    void Command11_Click(); // "Put In the Grid"
    void Command7_Click();  // "Clear Grids"
    void Command8_Click();  // "Clear Grid"

    // Analysis and solving. "Update", "Clue" and "Auto Play" do nothing when
    // clicked while one of them runs (their yields let clicks through); "Stop"
    // always works.
    // True when a digit repeats in a row, column or box of Grid3, or among the
    // cells of Grid1 that hold one character. A Grid3 value above 0 that is not a
    // whole digit 1-9 counts as a repetition. Leaves both grids' current cells
    // where the scan stopped.
    bool chkdup();
    // True when chkdup finds nothing and every Grid3 cell has a value other than 0.
    bool FindWin();
    void Command9_Click();    // "Chk.Dup"
    void Command1_Click();    // "Update"
    void Command13_Click();   // "Clue"
    void Cmd_findodd_Click(); // "Auto Play"
    void Command12_Click();   // "Stop"
    // Passes run by the last "Auto Play", the winning one included; 0 when it
    // ended at the duplicate message or did not run.
    int autoPlayPasses() const { return autoPlayPasses_; }

    // New-game entry: the entry grid Grid2 and its floating editor Text1.
    //
    // The keyboard focus is form state, so the focus rules run without a window.
    // focusOwner() is the control that has it as far as these handlers care. The
    // window reports each real move of its focus with focusMovedTo / focusLeft
    // (repeats, and the window losing or regaining activation, are not moves);
    // when the form itself gives the editor the focus it raises onFocusTaken and
    // the window asks its toolkit for the focus to match. The handlers below run
    // only on a change of owner, so each focus event reaches them exactly once.
    enum class Focus { Elsewhere, Grid2, Text1 };
    Focus focusOwner() const { return focus_; }
    // Moves the focus to `owner`; on a change raises Text1_LostFocus when the
    // editor had it, then Text1_GotFocus or Grid2_ReattachEditor for the new owner.
    void focusMovedTo(Focus owner);
    // `owner` lost the focus to a control the form does not watch.
    void focusLeft(Focus owner);
    // Gives the editor the focus. Fails, changing nothing, while its page is not
    // the one shown or the editor is hidden. Hiding the editor does not move the
    // focus: a placement hides and shows it while the user keeps typing.
    bool Text1_SetFocus();
    std::function<void()> onFocusTaken;

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

    // Game store.
    DropDownList DataCombo1; // the stored games, newest first
    void Command5_Click();   // "Save Game"
    void Command6_Click();   // "Restore Game"
    void Command10_Click();  // "Delete Game"
    // Puts `board` on the play grid as a fresh game (showAsFreshGame) and detaches
    // the editor, which is left holding the last text the loading put in a cell.
    void showStoredBoard(std::string_view board);

private:
    Shell& shell_;

    // Analysis and solving.
    void runUpdate();
    bool sweep(std::int16_t saved);
    void finishRun();

    bool solving_ = false; // "Update", "Clue" or "Auto Play" is running
    SweepMemo memo_;
    int autoPlayPasses_ = 0;

    // New-game entry.
    void wireEntryGrid();
    void placeEditor();
    void advanceCell();

    Focus focus_ = Focus::Elsewhere;

    // Game store.
    void openGameStore();
    void requeryGames();
    void reloadGameList();
    std::string storeFile() const;
    void tellStoreProblem(const std::string& text);

    std::filesystem::path programFolder_;
    std::unique_ptr<GameStore, GameStoreDeleter> store_; // none when no file can be used
};
