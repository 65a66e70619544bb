// Grids written out as lines.
#include "controls/BoardText.h"

#include <cmath>

namespace {

constexpr int Size = CellGrid::Size;

char digitOf(double value, char empty) {
    if (value >= 1 && value <= 9 && value == std::floor(value))
        return static_cast<char>('0' + static_cast<int>(value));
    return empty;
}

} // namespace

std::string boardLine(const CellGrid& grid, char empty) {
    std::string line;
    line.reserve(Size * Size);
    for (int row = 0; row < Size; ++row) {
        for (int col = 0; col < Size; ++col) {
            const std::string& text = grid.text(row, col);
            line.push_back(text.empty() ? empty : text.size() == 1 ? text[0] : '?');
        }
    }
    return line;
}

std::string joinedTexts(const CellGrid& grid) {
    std::string joined;
    for (int row = 0; row < Size; ++row) {
        for (int col = 0; col < Size; ++col) {
            if (row + col > 0)
                joined.push_back(',');
            joined += grid.text(row, col);
        }
    }
    return joined;
}

std::string digitLine(const CellGrid& grid, char empty) {
    std::string line;
    line.reserve(Size * Size);
    for (int row = 0; row < Size; ++row)
        for (int col = 0; col < Size; ++col)
            line.push_back(digitOf(grid.value(row, col), empty));
    return line;
}

std::string storedBoardText(const CellGrid& grid) {
    return digitLine(grid, '0');
}
