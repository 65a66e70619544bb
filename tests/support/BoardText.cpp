#include "support/BoardText.h"

#include <gtest/gtest.h>

std::string cellsOf(std::string_view board) {
    std::string cells;
    for (char ch : board)
        cells.push_back(ch >= '1' && ch <= '9' ? ch : '.');
    EXPECT_EQ(cells.size(), 81u) << "a board has 81 cells: " << board;
    cells.resize(81, '.');
    return cells;
}

void putBoard(CellGrid& grid, std::string_view board) {
    const std::string cells = cellsOf(board);
    for (int i = 0; i < 81; ++i)
        grid.setText(i / 9, i % 9, cells[i] == '.' ? "" : cells.substr(i, 1));
}

std::string boardOf(const CellGrid& grid) {
    return boardLine(grid, '.');
}

std::string boardOf(const HistArray& history, int slot) {
    CellGrid grid;
    for (int i = 0; i < 81; ++i)
        grid.setText(i / 9, i % 9, history.at(slot, i / 9, i % 9));
    return boardOf(grid);
}
