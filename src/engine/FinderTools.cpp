// The places of every digit in every unit, found cell by cell.
#include "engine/FinderTools.h"

namespace engine {

UnitPlaces placesInEveryUnit(const Candidates& marks) {
    UnitPlaces places{};
    for (int cell = 0; cell < Cells; ++cell) {
        const int row = rowOf(cell);
        const int col = colOf(cell);
        const auto inRow = static_cast<std::uint16_t>(1u << col);
        const auto inCol = static_cast<std::uint16_t>(1u << row);
        const auto inBox = static_cast<std::uint16_t>(1u << (row % 3 * 3 + col % 3));
        for (int bit : bitsOf(marks.at(cell))) {
            places[rowUnit(row)][bit] |= inRow;
            places[colUnit(col)][bit] |= inCol;
            places[boxUnit(boxOf(cell))][bit] |= inBox;
        }
    }
    return places;
}

} // namespace engine
