// Which 3 x 3 box each cell lies in, looked up rather than divided out.
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
