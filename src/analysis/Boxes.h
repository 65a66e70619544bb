// Which 3 x 3 box each cell lies in, looked up rather than divided out, and the
// cells that share a unit with one.
#pragma once

#include "controls/CellGrid.h"

#include <array>

// Box 0..8, numbered row by row, of cell (row, col) at index row * 9 + col.
inline constexpr auto BoxOfCell = [] {
    std::array<int, CellGrid::Size * CellGrid::Size> box{};
    for (int i = 0; i < CellGrid::Size * CellGrid::Size; ++i)
        box[i] = i / CellGrid::Size / 3 * 3 + i % CellGrid::Size / 3;
    return box;
}();

// Calls `visit` on every cell of the column, then the row, then the box of
// (row, col), in that order; cells shared by two of them are visited twice.
template <typename Visit>
void forEachNeighbour(int row, int col, Visit visit) {
    for (int k = 0; k < CellGrid::Size; ++k)
        visit(k, col);
    for (int k = 0; k < CellGrid::Size; ++k)
        visit(row, k);
    const int top = row / 3 * 3;
    const int left = col / 3 * 3;
    for (int r = top; r < top + 3; ++r)
        for (int c = left; c < left + 3; ++c)
            visit(r, c);
}
