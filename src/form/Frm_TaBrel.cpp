// The form's start-up and its handlers: each calls its subsystem and tells the
// outcome in the words of Messages.h.
#include "form/Frm_TaBrel.h"

#include "controls/BoardText.h"
#include "form/StatusWords.h"

namespace {

constexpr int CellUnits = 500; // square cells on all three grids

} // namespace

Frm_TaBrel::Frm_TaBrel(Shell& shell, std::filesystem::path programFolder)
    : shell_(shell), games_(std::move(programFolder)) {
    Text2.setText("0");
    analysis_.onPlaced = [this](std::string_view text) { entry_.Text1.setText(std::string(text)); };
    play_.onHistoryChanged = [this] { historyChanged(); };
}

// What changed since the last write is kept before the form goes.
Frm_TaBrel::~Frm_TaBrel() {
    keepNow();
    for (int kind = 0; kind < JobKinds; ++kind)
        shell_.runner().cancel(static_cast<JobKind>(kind));
}

Frm_TaBrel::Controls Frm_TaBrel::controls() {
    return {play_.Grid1,   play_.Grid3, entry_.Grid2, entry_.Text1, Text2,
            entry_.Check1, DataCombo1,  SSTab2,       PlayStatus,   EntryStatus};
}

void Frm_TaBrel::Form_Load() {
    const StoreOpening opening = games_.open();
    showIfAny(openingMessage(opening, games_.file()));
    listGames();
    openKeptGames(opening);
    entry_.EditorDetached = true;
    Command2_Click();
    checkEntry();
    tellKeptGame();
}

void Frm_TaBrel::Command2_Click() {
    keepPendingNow();
    play_.showBuiltInPuzzle();
    entry_.EditorDetached = true;
    for (CellGrid* grid : {&play_.Grid3, &play_.Grid1, &entry_.Grid2})
        grid->setCellSize(CellUnits);
    entry_.Text1.setText(play_.Grid3.text(0, 0));
    beginGame();
}

void Frm_TaBrel::Command3_Click() {
    play_.revert();
}

void Frm_TaBrel::Command4_Click() {
    play_.forward();
}

void Frm_TaBrel::Command11_Click() {
    play_.putIn(Text2.text());
}

void Frm_TaBrel::Command7_Click() {
    play_.clearGrids();
}

void Frm_TaBrel::Command8_Click() {
    entry_.Grid2.clear();
}

void Frm_TaBrel::Command5_Click() {
    const StoreChange change = games_.save(storedBoardText(entry_.Grid2), shell_.now());
    showIfAny(saveMessage(change, games_.file()));
    if (change.state == StoreChange::State::Done)
        listGames();
}

// A failing step is skipped without a message: with no game to read, the play
// grid ends empty.
void Frm_TaBrel::Command6_Click() {
    keepPendingNow();
    entry_.Text1.setText("");
    play_.Grid3.clear();
    showStoredBoard(games_.restore(DataCombo1.selectedBookmark()));
}

// With no entry selected the current game is the one meant, as for Restore; the
// question names it.
void Frm_TaBrel::Command10_Click() {
    const std::optional<std::string> id = games_.chooseForDelete(DataCombo1.selectedBookmark());
    if (!id || show(deleteQuestion(*id)) != MsgAnswer::Yes)
        return;
    const StoreChange change = games_.deleteCurrent();
    showIfAny(deleteMessage(change, *id, games_.file()));
    if (change.state != StoreChange::State::Done)
        return;
    listGames();
    DataCombo1.setText(games_.currentLabel());
}

void Frm_TaBrel::listGames() {
    std::vector<ListEntry> entries;
    for (const GameEntry& game : games_.entries())
        entries.push_back({game.label, game.bookmark});
    DataCombo1.setEntries(std::move(entries));
}

void Frm_TaBrel::showStoredBoard(std::string_view board) {
    leaveEditorAfterLoading(play_.showAsFreshGame(board));
    beginGame();
}

// The editor was handed every cell's text in turn, then "" for each cell erased:
// it ends holding the last cell's given only when every cell holds one.
void Frm_TaBrel::leaveEditorAfterLoading(int givens) {
    constexpr int Last = CellGrid::Size - 1;
    entry_.Text1.setText(givens == CellGrid::Size * CellGrid::Size ? play_.Grid3.text(Last, Last)
                                                                   : "");
    entry_.EditorDetached = true;
}

namespace {

// Marks a run of "Update", "Clue" or "Auto Play" for its length.
class SolvingRun {
public:
    explicit SolvingRun(bool& running) : running_(running) { running_ = true; }
    ~SolvingRun() { running_ = false; }
    SolvingRun(const SolvingRun&) = delete;
    SolvingRun& operator=(const SolvingRun&) = delete;

private:
    bool& running_;
};

} // namespace

// A click that reaches a handler through a run's own yields must not start a
// run inside it.
template <typename Run>
void Frm_TaBrel::runAlone(Run run) {
    if (solving_)
        return;
    {
        SolvingRun mark(solving_);
        run();
    }
    if (waitingPuzzle_) {
        const auto [board, level] = *std::exchange(waitingPuzzle_, std::nullopt);
        showNewPuzzle(board, level);
    }
}

void Frm_TaBrel::Command1_Click() {
    runAlone([this] { sweepRun("Update", &Analysis::update); });
}

void Frm_TaBrel::Command13_Click() {
    runAlone([this] { sweepRun("Clue", &Analysis::clue); });
}

namespace {

int filledCells(const CellGrid& grid) {
    int filled = 0;
    for (int row = 0; row < CellGrid::Size; ++row)
        for (int col = 0; col < CellGrid::Size; ++col)
            filled += grid.value(row, col) > 0;
    return filled;
}

} // namespace

void Frm_TaBrel::sweepRun(std::string_view command, SweepOutcome (Analysis::*run)(RunHost&)) {
    const int before = filledCells(play_.Grid3);
    const SweepOutcome outcome = (analysis_.*run)(shell_);
    play_.labelSlot(runLabel(command, filledCells(play_.Grid3) - before, outcome.rolledBack));
    if (outcome.rolledBack && outcome.clash)
        PlayStatus.show(rollBackLine(command, outcome), clashHighlights(*outcome.clash));
}

void Frm_TaBrel::Cmd_findodd_Click() {
    runAlone([this] {
        autoPlayPasses_ = 0;
        game_.helped = true;
        StopFlag = false;
        SSTab2.tab = Page::Play;
        shell_.showTab(Page::Play);
        play_.setRecordLabel("Auto Play");
        const AutoPlayOutcome outcome = analysis_.autoPlay(shell_, StopFlag);
        play_.setRecordLabel("");
        if (outcome.end == AutoPlayEnd::Solved)
            play_.labelSlot("Auto Play: solved");
        autoPlayPasses_ = outcome.passes;
        showIfAny(autoPlayMessage(outcome));
    });
}

void Frm_TaBrel::Command12_Click() {
    StopFlag = true;
}

void Frm_TaBrel::Form_Unload() {
    unloading_ = true;
    Command12_Click();
    keepNow();
}

void Frm_TaBrel::Command9_Click() {
    show(boardCheckMessage(analysis_.checkBoard()));
}

MsgAnswer Frm_TaBrel::show(const Message& message) {
    if (unloading_)
        return message.buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
    return shell_.msgBox(message.text, message.buttons, message.icon, message.caption);
}

void Frm_TaBrel::showIfAny(const std::optional<Message>& message) {
    if (message)
        show(*message);
}
