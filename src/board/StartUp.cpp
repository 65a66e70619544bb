// Start-up and "Default Game": the built-in puzzle, full candidates, a fresh history.
#include "board/Frm_TaBrel.h"

#include <string_view>

namespace {

// The built-in puzzle, row by row; '.' is an empty cell.
constexpr std::string_view BuiltInPuzzle = "5...72..."
                                           "...5....8"
                                           ".2.6..9.."
                                           "....8..46"
                                           "...2.9..."
                                           "17..5...."
                                           "..6..3.2."
                                           "4....8..."
                                           "...42...3";

constexpr int CellUnits = 500; // square cells on all three grids

} // namespace

void Frm_TaBrel::Form_Load() {
    openGameStore();
    EditorDetached = true;
    Command2_Click();
}

void Frm_TaBrel::Command2_Click() {
    HistIdx = 0;
    for (int slot = 0; slot <= 4; ++slot) {
        HistGrid1.empty(slot);
        HistGrid3.empty(slot);
    }
    Grid3.setRow(0);
    Grid3.setCol(0);
    Grid1.clear();
    Grid3.clear();
    writeBuiltInPuzzle();
    EditorDetached = true;
    makeCellsSquare();
    Text1.setText(Grid3.text(0, 0));
    Grid3.setRow(0);
    Grid3.setCol(0);
    for (int row = 0; row < CellGrid::Size; ++row) {
        for (int col = 0; col < CellGrid::Size; ++col) {
            CandArr[row][col] = "123456789";
            Grid1.setText(row, col, CandArr[row][col]);
        }
    }
    FILLARRAY();
}

// Givens go in as one-character texts and turn cyan; every other cell is emptied.
void Frm_TaBrel::writeBuiltInPuzzle() {
    for (int row = 0; row < CellGrid::Size; ++row)
        for (int col = 0; col < CellGrid::Size; ++col)
            if (const char given = BuiltInPuzzle[row * CellGrid::Size + col]; given != '.')
                Grid3.setText(row, col, std::string(1, given));
    for (int row = 0; row < CellGrid::Size; ++row) {
        for (int col = 0; col < CellGrid::Size; ++col) {
            Grid3.setRow(row);
            Grid3.setCol(col);
            if (Grid3.currentValue() != 0)
                Grid3.setCurrentBackColor(Cyan);
            else
                Grid3.setCurrentText("");
        }
    }
}

void Frm_TaBrel::makeCellsSquare() {
    for (int col = 0; col < CellGrid::Size; ++col)
        for (CellGrid* grid : {&Grid3, &Grid1, &Grid2})
            grid->setColWidth(col, CellUnits);
    for (CellGrid* grid : {&Grid3, &Grid1, &Grid2})
        grid->setRowHeightMin(CellUnits);
}
