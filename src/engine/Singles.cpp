// Finding singles.
#include "engine/Singles.h"

#include "engine/FinderTools.h"

namespace engine {

namespace {

// The digits that are a candidate in exactly one cell of the unit.
Digits loneDigits(const Candidates& marks, int unit) {
    Digits once = 0;
    Digits twice = 0;
    for (int cell : UnitTable[unit]) {
        twice |= static_cast<Digits>(once & marks.at(cell));
        once |= marks.at(cell);
    }
    return static_cast<Digits>(once & ~twice);
}

Step placing(Technique technique, int cell, int digit) {
    const CellDigit placed = cellDigit(cell, digit);
    return Step{technique, {placed}, {}, {placed}, {}};
}

} // namespace

std::optional<Step> findHiddenSingle(const Candidates& marks) {
    for (int unit : ScanOrder) {
        const Digits lone = loneDigits(marks, unit);
        if (lone == 0)
            continue;
        const int digit = firstDigit(lone);
        for (int cell : UnitTable[unit]) {
            if (marks.has(cell, digit)) {
                Step step = placing(Technique::HiddenSingle, cell, digit);
                step.units.push_back(static_cast<std::uint8_t>(unit));
                return step;
            }
        }
    }
    return std::nullopt;
}

std::optional<Step> findNakedSingle(const Candidates& marks) {
    for (int cell = 0; cell < Cells; ++cell)
        if (digitCount(marks.at(cell)) == 1)
            return placing(Technique::NakedSingle, cell, firstDigit(marks.at(cell)));
    return std::nullopt;
}

} // namespace engine
