// The one window's form: it holds the play side, the entry grid, the stored
// games and the analysis, with the few controls no part owns, and has every
// handler the window calls. Each handler calls the part that does the work and
// tells the outcome in the words of Messages.h; the window only draws the
// controls and forwards events to the handlers.
#pragma once

#include "analysis/Analysis.h"
#include "analysis/Hint.h"
#include "analysis/Mistakes.h"
#include "analysis/Notes.h"
#include "board/PlaySide.h"
#include "controls/Controls.h"
#include "controls/DropDownList.h"
#include "controls/Shell.h"
#include "controls/StatusLine.h"
#include "controls/TextWatch.h"
#include "engine/Step.h"
#include "entry/EntryCheck.h"
#include "entry/EntryGrid.h"
#include "form/Messages.h"
#include "form/StatusWords.h"
#include "store/KeptGames.h"
#include "store/StoredGames.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

class Frm_TaBrel {
public:
    // The stored games are kept in `programFolder`; with none the form has no
    // store: the list stays empty and no file is touched.
    explicit Frm_TaBrel(Shell& shell, std::filesystem::path programFolder = {});
    // No job started for the form delivers after it has gone.
    ~Frm_TaBrel();
    Frm_TaBrel(const Frm_TaBrel&) = delete;
    Frm_TaBrel& operator=(const Frm_TaBrel&) = delete;

    // What the window draws and the user changes in place: clicks move the
    // grids' current cells, typing changes the boxes and the list. Everything
    // else changes through the handlers.
    struct Controls {
        CellGrid& Grid1; // candidate grid
        CellGrid& Grid3; // play grid
        CellGrid& Grid2; // entry grid
        TextBox& Text1;  // the entry grid's floating editor
        TextBox& Text2;  // digit for "Put In the Grid"
        CheckBox& Check1;
        DropDownList& DataCombo1; // the stored games, newest first
        TabArea& SSTab2;
        StatusLine& PlayStatus;  // under the play grid: hints and roll-backs
        StatusLine& EntryStatus; // under the entry grid: the live check
    };
    Controls controls();
    // The parts as they stand, for reading.
    const PlaySide& play() const { return play_; }
    const EntryGrid& entry() const { return entry_; }
    // "Stop" was pressed and no run of "Auto Play" has started since.
    bool stopRequested() const { return StopFlag; }

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
    // True when Analysis::chkdup meets a repetition.
    bool chkdup() { return analysis_.chkdup().has_value(); }
    bool FindWin() { return analysis_.FindWin(); }
    void Command9_Click();    // "Chk.Dup"
    void Command1_Click();    // "Update"
    void Command13_Click();   // "Clue"
    void Cmd_findodd_Click(); // "Auto Play"
    void Command12_Click();   // "Stop"
    // The window is closing: a run under way stops after the pass under way, and
    // no box shows after it (a question is answered No, as Escape would), so
    // nothing holds the program once its window has gone.
    void Form_Unload();
    // Passes run by the last "Auto Play", the winning one included; 0 when it
    // ended at the duplicate message or did not run.
    int autoPlayPasses() const { return autoPlayPasses_; }

    // Game store.
    void Command5_Click();  // "Save Game"
    void Command6_Click();  // "Restore Game"
    void Command10_Click(); // "Delete Game"
    // Puts `board` on the play grid as a fresh game (PlaySide::showAsFreshGame)
    // and detaches the editor, which is left holding the last text the loading
    // put in a cell.
    void showStoredBoard(std::string_view board);

    // The entry grid's handlers, which its part keeps (EntryGrid.h).
    void Text1_KeyDown(int& KeyCode, int Shift) { entry_.Text1_KeyDown(KeyCode, Shift); }
    void Text1_KeyPress(int& KeyAscii) { entry_.Text1_KeyPress(KeyAscii); }
    void focusMovedTo(EntryGrid::Focus owner) { entry_.focusMovedTo(owner); }
    void focusLeft(EntryGrid::Focus owner) { entry_.focusLeft(owner); }
    // Raised when the entry grid gives its editor the focus.
    void onEditorFocusTaken(std::function<void()> taken) { entry_.onFocusTaken = std::move(taken); }

    // Puzzles from the menu, the keyboard, the clipboard and files (PuzzleCommands.cpp).
    // "New ... Puzzle": a puzzle of `level` (engine::puzzleAtLevel) is made off
    // the window's thread and shown as showNewPuzzle shows it, or a message says
    // none came; nothing while one is being made.
    void askNewPuzzle(engine::Level level);
    bool makingPuzzle() const;
    // Raised when a puzzle starts or stops being made.
    std::function<void()> onMakingPuzzle;
    // "Print Puzzles…": the game's givens and its level, when it has one.
    const engine::Board& givens() const { return game_.givens; }
    std::optional<engine::Level> gameLevel() const { return game_.level; }
    // `count` new puzzles of `level` made off the window's thread (as the menu
    // makes one), handed to `take` on the window's thread, fewer if the making
    // gave up; a new request replaces one not begun.
    void makePuzzles(engine::Level level, int count,
                     std::function<void(const std::vector<engine::Board>&)> take);
    // Puts `board` (81 characters, "1"-"9" a given) on the play grid as a new
    // puzzle (PlaySide::showNewPuzzle), made at `level` when it was made for one.
    // During a run of "Update", "Clue" or "Auto Play" it stops the run and waits
    // for its end.
    void showNewPuzzle(std::string_view board, std::optional<engine::Level> level = {});
    // A key typed on the focused play grid. "1"-"9" goes into Text2 and is put in
    // as by "Put In the Grid"; "0", space and Backspace put in an emptied Text2.
    // The board after the move is recorded in the next slot, so one "Revert"
    // takes the move back. Those keys are swallowed (KeyAscii becomes 0); any
    // other is left alone.
    void Grid3_KeyPress(int& KeyAscii);
    // The grid of the page shown, 81 characters, "." for a cell without a digit 1-9.
    std::string copyPuzzle() const;
    // Reads `text` as a puzzle (engine::readPuzzle): on "Play Game" a new puzzle,
    // on "Add a New Game" typed into the entry grid (EntryGrid::typeBoard). Text
    // that is no puzzle, or a board with a digit twice in a unit, is told in a
    // message and changes nothing.
    void pastePuzzle(std::string_view text);
    // Adds the puzzles of a file, one a line, to the stored games and tells how
    // many were added and skipped; a file that cannot be read adds none.
    void importPuzzles(const std::filesystem::path& file);
    // Writes every stored game to `file`, one a line, and tells how it went.
    void exportPuzzles(const std::filesystem::path& file);
    void showAbout();
    // Each pair a key and what it does.
    void showShortcuts(const std::vector<std::pair<std::string, std::string>>& keys);

    // The player's notes (NotesCommands.cpp). Each change is one history step,
    // and none is made while "Update", "Clue" or "Auto Play" runs.
    // Ctrl+1 ... Ctrl+9, or a click on a digit's place in a candidate cell:
    // strikes `digit` from the candidate string of Grid1's cell (row, col) or
    // brings it back; a beep where the play grid holds a digit.
    void toggleCandidate(int row, int col, int digit);
    void fillCandidates();  // "Fill Candidates": keeps out what the player struck
    void resetCandidates(); // "Reset Candidates"
    // "Remove Candidates When Placing": a digit typed on the play grid also
    // becomes its cell's candidate string and leaves its peers' strings.
    void setRemoveWhenPlacing(bool on) { removeWhenPlacing_ = on; }
    bool removesWhenPlacing() const { return removeWhenPlacing_; }
    // "Show Mistakes": the cells whose digit or candidates disagree with the
    // solution of the game's givens, worked out off the window's thread once a game.
    void setShowMistakes(bool on);
    bool showsMistakes() const { return showMistakes_; }
    // The marks while mistakes are shown and the solution is known; none else.
    const MistakeMarks& mistakes();
    // "Mistakes: 3", "Mistakes: no single solution"; "" while mistakes are not
    // shown or the solution is still being worked out.
    std::string mistakesLine();
    // Raised when what mistakes() or mistakesLine() give may have changed.
    std::function<void()> onMistakesChanged;
    // "Back to Last Correct Board": shows, as "Revert" shows a slot, the latest
    // slot at or before the one shown that holds no mistake, and says in
    // PlayStatus how far it went.
    void backToLastCorrectBoard();
    // A row of the history list chosen: slot `slot` shown as "Revert" shows one.
    void showHistorySlot(int slot);
    // The digits the play grid allows in cell (row, col) that the player struck.
    SweepMemo::DigitSet struckAt(int row, int col);
    // Raised after the history changed: the slot shown, a record or a label.
    void onHistoryChanged(std::function<void()> changed) { historyListener_ = std::move(changed); }

    // The game kept across closing (KeptGame.cpp). From its first change (a
    // record in the history) the game on screen is kept in the game database, a
    // change at a time; a new game replaces the kept one only at its own first
    // change. "Continue Last Game": the kept game put back exactly, or a line
    // saying there is none.
    void continueLastGame();
    // The clock: the time played on the game, counting while the window is
    // active and the game is not solved.
    void setWindowActive(bool active);
    std::int64_t secondsPlayed();
    bool gameSolved() const { return game_.isSolved; }
    // The games played, level by level; none without a game database.
    std::vector<LevelRecord> statistics();
    // Asks, then forgets every game played.
    void resetStatistics();

    // "Hint", or with `apply` "Apply Hint": the engine's next step for the board
    // shown (answerHint, off the window's thread) in PlayStatus, with `apply` and
    // no run under way also made. An answer for a board that has changed since
    // is dropped; while the answer is late the line says it is looking.
    void askForHint(bool apply);

private:
    // Hints and the live check come in halves, so that the engine's share may
    // run off the window's thread: the board is read on the window's thread,
    // the engine works on the copy, and its answer is shown only while the
    // board is the one asked about.
    void takeHint(const HintQuestion& question, const Hint& hint, bool apply);
    // The live check of Grid2 as it stands, judged off the window's thread.
    void checkEntry();
    // No verdict yet: the line says the solutions are being counted.
    void takeEntryVerdict(const EntryReading& reading, const std::optional<EntryVerdict>& verdict);
    void takeNewPuzzle(engine::Level level, const std::optional<engine::Board>& puzzle);
    // A new game on the play grid: its givens are the board it shows now.
    void beginGame();
    // Records a move typed on the play grid at (row, col) as one history step.
    void recordTypedMove(int row, int col);
    // Works out the solution of the givens off the window's thread, unless known
    // or asked for already.
    void askSolution();
    void takeSolution(const engine::SolveResult& solved, engine::Level level);
    void boardChanged();
    void historyChanged();
    // Keeping the game: opened at start-up, begun at a game's first change,
    // written a short while after each change so a burst costs one write.
    void openKeptGames(const StoreOpening& opening);
    void tellKeptGame();
    void stopKeeping(const std::string& reason);
    // The game of `givens` begun: nothing played yet, nothing kept, no hint.
    void resetGame(const engine::Board& givens);
    // The digits of the play grid: a fresh game's givens.
    engine::Board playBoard() const;
    // The kept stamps made those of the slots now, as after a write.
    void takeStamps();
    std::uint64_t newSeed();
    void stopClock();
    void firstChange();
    void keepSoon();
    void keepNow();
    void keepPendingNow();
    KeptGame keptState();
    std::string levelWord() const;
    // The game on screen is complete and agrees with the solution of its givens.
    void checkSolved();
    void goBackToLastCorrect();
    // "Update" or "Clue": the run, its slot's label, and a roll-back told in PlayStatus.
    void sweepRun(std::string_view command, SweepOutcome (Analysis::*run)(RunHost&));
    MsgAnswer show(const Message& message);
    void showIfAny(const std::optional<Message>& message);
    template <typename Run>
    void runAlone(Run run);
    void leaveEditorAfterLoading(int givens);
    // Shows the stored games in DataCombo1.
    void listGames();

    Shell& shell_;
    TabArea SSTab2;
    TextBox Text2; // digit for "Put In the Grid"
    // Set by "Stop"; a run of "Auto Play" reads it before each pass.
    bool StopFlag = false;
    PlaySide play_;
    EntryGrid entry_{shell_, SSTab2};
    DropDownList DataCombo1;
    StoredGames games_;
    Analysis analysis_{play_};
    StatusLine PlayStatus{{&play_.Grid1, &play_.Grid3}, StatusLine::Lasts::UntilTextsChange};
    // Each change of Grid2 asks for a new line.
    StatusLine EntryStatus{{&entry_.Grid2}, StatusLine::Lasts::UntilReplaced};
    TextWatch entryTyped_{entry_.Grid2, [this] { checkEntry(); }};
    TextWatch playChanged_{play_.Grid3, [this] { boardChanged(); }};
    TextWatch candidatesChanged_{play_.Grid1, [this] { boardChanged(); }};
    bool removeWhenPlacing_ = false;
    bool showMistakes_ = false;
    // What belongs to the game on the play grid, begun afresh with each.
    struct Game {
        engine::Board givens{};
        // The solution of the givens: none until worked out off the window's thread.
        std::optional<engine::SolveResult> solution{};
        bool backWhenSolved = false; // "Back to Last Correct Board" waits for the solution
        bool changed = false;        // it had its first change, and is kept from then on
        std::optional<engine::Level> level{};
        int hints = 0;
        bool helped = false; // "Auto Play" ran in it
        bool isSolved = false;
        std::int64_t record = 0; // its row of the games played; 0 for none
        // The clock: seconds played up to activeSince, and since then while it runs.
        std::int64_t playedBefore = 0;
        std::optional<std::chrono::system_clock::time_point> activeSince{};
    };
    Game game_;
    bool windowActive_ = true;
    // Worked out from the board on the first asking after a change.
    std::optional<MistakeMarks> mistakes_;
    std::optional<std::array<SweepMemo::DigitSet, CellGrid::Size * CellGrid::Size>> struck_;
    std::function<void()> historyListener_;
    std::optional<KeptGames> kept_; // none without a file that can keep games
    std::string cannotKeep_;        // why not, when there is a file
    bool keepPending_ = false;
    // The slots' stamps and the slots dropped when the game was last written.
    std::array<std::uint64_t, HistArray::Slots> keptStamps_{};
    std::int64_t keptDropped_ = 0;
    // Calls asked for later check it: the form may have gone by then.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    bool solving_ = false; // "Update", "Clue" or "Auto Play" is running
    bool unloading_ = false;
    int autoPlayPasses_ = 0;
    // Shown when the run ends, with its level.
    std::optional<std::pair<std::string, std::optional<engine::Level>>> waitingPuzzle_;
};
