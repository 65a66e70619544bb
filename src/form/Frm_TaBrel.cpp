// The form's start-up and the handlers of the play side's buttons.
#include "form/Frm_TaBrel.h"

namespace {

constexpr int CellUnits = 500; // square cells on all three grids

} // namespace

Frm_TaBrel::Frm_TaBrel(Shell& shell, std::filesystem::path programFolder)
    : EntryGrid(shell, SSTab2), shell_(shell), programFolder_(std::move(programFolder)) {
    Text2.setText("0");
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
