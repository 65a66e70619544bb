// The form's start-up and its handlers: each calls its subsystem and tells the
// outcome in the words of Messages.h.
#include "form/Frm_TaBrel.h"

namespace {

constexpr int CellUnits = 500; // square cells on all three grids

} // namespace

Frm_TaBrel::Frm_TaBrel(Shell& shell, std::filesystem::path programFolder)
    : EntryGrid(shell, SSTab2), shell_(shell), programFolder_(std::move(programFolder)) {
    Text2.setText("0");
    analysis_.onPlaced = [this](std::string_view text) { Text1.setText(std::string(text)); };
}

void Frm_TaBrel::Form_Load() {
    openGameStore();
    EditorDetached = true;
    Command2_Click();
}

void Frm_TaBrel::Command2_Click() {
    showBuiltInPuzzle();
    EditorDetached = true;
    for (CellGrid* grid : {&Grid3, &Grid1, &Grid2})
        grid->setCellSize(CellUnits);
    Text1.setText(Grid3.text(0, 0));
}

void Frm_TaBrel::Command3_Click() {
    revert();
}

void Frm_TaBrel::Command4_Click() {
    forward();
}

void Frm_TaBrel::Command11_Click() {
    putIn(Text2.text());
}

void Frm_TaBrel::Command7_Click() {
    clearGrids();
}

void Frm_TaBrel::Command8_Click() {
    Grid2.clear();
}

// The editor was handed every cell's text in turn, then "" for each cell erased:
// it ends holding the last cell's given only when every cell holds one.
void Frm_TaBrel::showStoredBoard(std::string_view board) {
    const int givens = showAsFreshGame(board);
    constexpr int Last = CellGrid::Size - 1;
    Text1.setText(givens == CellGrid::Size * CellGrid::Size ? Grid3.text(Last, Last) : "");
    EditorDetached = true;
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
    SolvingRun mark(solving_);
    run();
}

void Frm_TaBrel::Command1_Click() {
    runAlone([this] { analysis_.update(shell_); });
}

void Frm_TaBrel::Command13_Click() {
    runAlone([this] { analysis_.clue(shell_); });
}

void Frm_TaBrel::Cmd_findodd_Click() {
    runAlone([this] {
        autoPlayPasses_ = 0;
        StopFlag = false;
        SSTab2.tab = 0;
        shell_.showTab(0);
        const AutoPlayOutcome outcome = analysis_.autoPlay(shell_, StopFlag);
        autoPlayPasses_ = outcome.passes;
        if (const std::optional<Message> message = autoPlayMessage(outcome))
            show(*message);
    });
}

void Frm_TaBrel::Command12_Click() {
    StopFlag = true;
}

void Frm_TaBrel::Command9_Click() {
    show(boardCheckMessage(analysis_.checkBoard()));
}

MsgAnswer Frm_TaBrel::show(const Message& message) {
    return shell_.msgBox(message.text, message.buttons, message.icon, message.caption);
}
