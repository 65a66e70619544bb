// "Default Game" on the play side: the built-in puzzle, full candidates, a fresh history.
#include "board/PlaySide.h"

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

// Givens go in as one-character texts and turn cyan; every other cell is emptied.
void writeBuiltInPuzzle(CellGrid& grid) {
    for (int row = 0; row < CellGrid::Size; ++row)
        for (int col = 0; col < CellGrid::Size; ++col)
            if (const char given = BuiltInPuzzle[row * CellGrid::Size + col]; given != '.')
                grid.setText(row, col, std::string(1, given));
    for (int row = 0; row < CellGrid::Size; ++row) {
        for (int col = 0; col < CellGrid::Size; ++col) {
            grid.setRow(row);
            grid.setCol(col);
            if (grid.currentValue() != 0)
                grid.setCurrentBackColor(Cyan);
            else
                grid.setCurrentText("");
        }
    }
}

} // namespace

void PlaySide::showBuiltInPuzzle() {
    beginGame();
    for (int slot = 0; slot <= 4; ++slot)
        emptySlot(slot);
    Grid3.setRow(0);
    Grid3.setCol(0);
    Grid1.clear();
    Grid3.clear();
    writeBuiltInPuzzle(Grid3);
    Grid3.setRow(0);
    Grid3.setCol(0);
    showFullCandidates();
    FILLARRAY();
}

void PlaySide::showFullCandidates() {
    for (int row = 0; row < CellGrid::Size; ++row) {
        for (int col = 0; col < CellGrid::Size; ++col) {
            CandArr[row][col] = "123456789";
            Grid1.setText(row, col, CandArr[row][col]);
        }
    }
}
