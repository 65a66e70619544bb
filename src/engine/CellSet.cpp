// Cell sets drawn from the pencil marks.
#include "engine/CellSet.h"

namespace engine {

DigitCells cellsByDigit(const Candidates& marks) {
    DigitCells cells;
    for (int cell = 0; cell < Cells; ++cell)
        for (Digits rest = marks.at(cell); rest != 0; rest &= rest - 1)
            cells[firstDigit(rest) - 1].insert(cell);
    return cells;
}

CellSet seenByEvery(CellSet cells) {
    CellSet seen = AllCells;
    cells.forEach([&](int cell) { seen = seen & PeerSets[cell]; });
    return seen;
}

CellSet bivalueCells(const Candidates& marks) {
    CellSet cells;
    for (int cell = 0; cell < Cells; ++cell)
        if (digitCount(marks.at(cell)) == 2)
            cells.insert(cell);
    return cells;
}

std::optional<std::array<int, 2>> pairPlaces(const Candidates& marks, int unit, int digit) {
    const std::uint16_t places = marks.places(unit, digit);
    if (digitCount(places) != 2)
        return std::nullopt;
    return std::array<int, 2>{UnitTable[unit][std::countr_zero(places)],
                              UnitTable[unit][std::bit_width(places) - 1]};
}

int sharedUnit(int a, int b) {
    for (int unit : unitsOf(a))
        if (UnitSets[unit].contains(b))
            return unit;
    return -1;
}

void appendCandidates(std::vector<CellDigit>& list, int cell, Digits digits) {
    for (; digits != 0; digits &= digits - 1)
        list.push_back(candidate(cell, firstDigit(digits)));
}

void appendCells(std::vector<CellDigit>& list, CellSet cells, int digit) {
    cells.forEach([&](int cell) { list.push_back(candidate(cell, digit)); });
}

} // namespace engine
