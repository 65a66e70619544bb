// Finding locked candidates.
#include "engine/LockedCandidates.h"

#include "engine/FinderTools.h"

namespace engine {

namespace {

// The row or column, if any, that holds all of a digit's `places` in the box
// (bit i: the box's i-th cell, row by row).
std::optional<int> lineOfBoxPlaces(int box, std::uint16_t places) {
    for (int i = 0; i < 3; ++i) {
        if ((places & ~(0x7u << (3 * i))) == 0)
            return rowUnit(box / 3 * 3 + i);
        if ((places & ~(0x49u << i)) == 0)
            return colUnit(box % 3 * 3 + i);
    }
    return std::nullopt;
}

// The box, if any, that holds all of a digit's `places` in the line.
std::optional<int> boxOfLinePlaces(int line, std::uint16_t places) {
    for (int i = 0; i < 3; ++i)
        if ((places & ~(0x7u << (3 * i))) == 0)
            return boxUnit(boxOf(UnitTable[line][3 * i]));
    return std::nullopt;
}

// The step that takes `digit` from the cells of `target` outside `source`,
// where `digit` is locked in the intersection; none when that takes nothing.
std::optional<Step> lockedStep(const Candidates& marks, Technique technique, int source, int target,
                               int digit) {
    const auto outsideSource = [source](int cell) {
        const auto units = unitsOf(cell);
        return units[0] != source && units[1] != source && units[2] != source;
    };
    Step step{technique, {}, {}, {}, {}};
    collectCandidates(marks, target, digit, outsideSource, step.eliminations);
    if (step.eliminations.empty())
        return std::nullopt;
    collectCandidates(marks, source, digit, step.proof);
    step.units = {static_cast<std::uint8_t>(source), static_cast<std::uint8_t>(target)};
    return step;
}

} // namespace

std::optional<Step> findPointing(const Candidates& marks) {
    const UnitPlaces unitPlaces = placesInEveryUnit(marks);
    for (int box = 0; box < 9; ++box) {
        for (int digit = 1; digit <= 9; ++digit) {
            const std::uint16_t places = unitPlaces[boxUnit(box)][digit - 1];
            const auto line = places == 0 ? std::nullopt : lineOfBoxPlaces(box, places);
            if (!line)
                continue;
            if (auto step = lockedStep(marks, Technique::Pointing, boxUnit(box), *line, digit))
                return step;
        }
    }
    return std::nullopt;
}

std::optional<Step> findClaiming(const Candidates& marks) {
    const UnitPlaces unitPlaces = placesInEveryUnit(marks);
    for (int line = 0; line < 18; ++line) {
        for (int digit = 1; digit <= 9; ++digit) {
            const std::uint16_t places = unitPlaces[line][digit - 1];
            const auto box = places == 0 ? std::nullopt : boxOfLinePlaces(line, places);
            if (!box)
                continue;
            if (auto step = lockedStep(marks, Technique::Claiming, line, *box, digit))
                return step;
        }
    }
    return std::nullopt;
}

} // namespace engine
