// Finding naked and hidden subsets.
#include "engine/Subsets.h"

#include "engine/FinderTools.h"

namespace engine {

namespace {

constexpr Technique NakedTechniques[] = {Technique::NakedPair, Technique::NakedTriple,
                                         Technique::NakedQuad};
constexpr Technique HiddenTechniques[] = {Technique::HiddenPair, Technique::HiddenTriple,
                                          Technique::HiddenQuad};

std::optional<Step> nakedIn(const Candidates& marks, int unit, int size, Technique technique) {
    ItemMasks cellMarks{};
    for (int i = 0; i < 9; ++i)
        cellMarks[i] = marks.at(UnitTable[unit][i]);
    const auto found = [&](std::uint16_t chosen, std::uint16_t digits) -> std::optional<Step> {
        Step step{technique, {}, {}, {}, {static_cast<std::uint8_t>(unit)}};
        for (int i = 0; i < 9; ++i) {
            const int cell = UnitTable[unit][i];
            auto& into = (chosen >> i & 1) != 0 ? step.proof : step.eliminations;
            for (int bit : bitsOf(marks.at(cell) & digits))
                into.push_back(cellDigit(cell, bit + 1));
        }
        if (step.eliminations.empty())
            return std::nullopt;
        return step;
    };
    return findLockedSet(cellMarks, size, found);
}

std::optional<Step> hiddenIn(const Candidates& marks, const ItemMasks& digitPlaces, int unit,
                             int size, Technique technique) {
    const auto found = [&](std::uint16_t digits, std::uint16_t places) -> std::optional<Step> {
        Step step{technique, {}, {}, {}, {static_cast<std::uint8_t>(unit)}};
        for (int i : bitsOf(places)) {
            const int cell = UnitTable[unit][i];
            for (int bit : bitsOf(marks.at(cell)))
                ((digits >> bit & 1) != 0 ? step.proof : step.eliminations)
                    .push_back(cellDigit(cell, bit + 1));
        }
        if (step.eliminations.empty())
            return std::nullopt;
        return step;
    };
    return findLockedSet(digitPlaces, size, found);
}

template <typename FindIn>
std::optional<Step> firstInAnyUnit(FindIn findIn) {
    for (int unit : ScanOrder)
        if (auto step = findIn(unit))
            return step;
    return std::nullopt;
}

} // namespace

std::optional<Step> findNakedSubset(const Candidates& marks, int size) {
    if (size < 2 || size > 4)
        return std::nullopt;
    const Technique technique = NakedTechniques[size - 2];
    return firstInAnyUnit([&](int unit) { return nakedIn(marks, unit, size, technique); });
}

std::optional<Step> findHiddenSubset(const Candidates& marks, int size) {
    if (size < 2 || size > 4)
        return std::nullopt;
    const Technique technique = HiddenTechniques[size - 2];
    const UnitPlaces places = placesInEveryUnit(marks);
    return firstInAnyUnit(
        [&](int unit) { return hiddenIn(marks, places[unit], unit, size, technique); });
}

std::optional<Step> findNakedPair(const Candidates& marks) {
    return findNakedSubset(marks, 2);
}
std::optional<Step> findHiddenPair(const Candidates& marks) {
    return findHiddenSubset(marks, 2);
}
std::optional<Step> findNakedTriple(const Candidates& marks) {
    return findNakedSubset(marks, 3);
}
std::optional<Step> findHiddenTriple(const Candidates& marks) {
    return findHiddenSubset(marks, 3);
}
std::optional<Step> findNakedQuad(const Candidates& marks) {
    return findNakedSubset(marks, 4);
}
std::optional<Step> findHiddenQuad(const Candidates& marks) {
    return findHiddenSubset(marks, 4);
}

} // namespace engine
