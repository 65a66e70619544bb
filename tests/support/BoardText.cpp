#include "support/BoardText.h"

#include <gtest/gtest.h>

std::string cellsOf(std::string_view board) {
    std::string cells;
    for (char ch : board) {
        if (ch >= '1' && ch <= '9')
            cells.push_back(ch);
        else if (ch == '.' || ch == '0' || ch == '_')
            cells.push_back('.');
        else if (ch != ' ' && ch != '\n' && ch != '|' && ch != '-' && ch != '+')
            ADD_FAILURE() << "unexpected character '" << ch << "' in a board picture";
    }
    EXPECT_EQ(cells.size(), 81u) << "a board has 81 cells";
    cells.resize(81, '.');
    return cells;
}

void putBoard(CellGrid& grid, std::string_view board) {
    const std::string cells = cellsOf(board);
    for (int row = 0; row < CellGrid::Size; ++row)
        for (int col = 0; col < CellGrid::Size; ++col) {
            const char ch = cells[row * CellGrid::Size + col];
            grid.setText(row, col, ch == '.' ? "" : std::string(1, ch));
        }
}

std::string boardOf(const CellGrid& grid) {
    std::string cells;
    for (int row = 0; row < CellGrid::Size; ++row)
        for (int col = 0; col < CellGrid::Size; ++col) {
            const std::string& text = grid.text(row, col);
            cells.push_back(text.empty() ? '.' : (text.size() == 1 ? text[0] : '?'));
        }
    return cells;
}

std::string boardOf(const HistArray& history, int slot) {
    CellGrid grid;
    for (int row = 0; row < CellGrid::Size; ++row)
        for (int col = 0; col < CellGrid::Size; ++col)
            grid.setText(row, col, history.at(slot, row, col));
    return boardOf(grid);
}

std::string textsOf(const CellGrid& grid) {
    std::string joined;
    for (int row = 0; row < CellGrid::Size; ++row)
        for (int col = 0; col < CellGrid::Size; ++col) {
            if (row + col > 0)
                joined.push_back(',');
            joined += grid.text(row, col);
        }
    return joined;
}
