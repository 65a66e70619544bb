// Grids written out as lines.
#include "board/BoardText.h"

#include <cmath>

namespace {

constexpr int Size = CellGrid::Size;

char storedDigit(double value) {
    if (value >= 1 && value <= 9 && value == std::floor(value))
        return static_cast<char>('0' + static_cast<int>(value));
    return '0';
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

std::string storedBoardText(const CellGrid& grid) {
    std::string d1;
    d1.reserve(Size * Size);
    for (int row = 0; row < Size; ++row)
        for (int col = 0; col < Size; ++col)
            d1.push_back(storedDigit(grid.value(row, col)));
    return d1;
}
