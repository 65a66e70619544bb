// Finding fish.
#include "engine/Fish.h"

#include "engine/FinderTools.h"

namespace engine {

namespace {

constexpr Technique FishTechniques[] = {Technique::XWing, Technique::Swordfish,
                                        Technique::Jellyfish};

// Base lines are units `base`..`base` + 8 (the rows or the columns), cover lines
// the other kind.
std::optional<Step> fishOn(const Candidates& marks, const UnitPlaces& unitPlaces, int digit,
                           int size, Technique technique, int base, int cover) {
    ItemMasks places{};
    for (int i = 0; i < 9; ++i)
        places[i] = unitPlaces[base + i][digit - 1];
    const auto found = [&](std::uint16_t baseLines,
                           std::uint16_t coverLines) -> std::optional<Step> {
        Step step{technique, {}, {}, {}, {}};
        const auto outsideBase = [&](int cell) {
            const int line = base == rowUnit(0) ? rowOf(cell) : colOf(cell);
            return (baseLines >> line & 1) == 0;
        };
        for (int line : bitsOf(coverLines))
            collectCandidates(marks, cover + line, digit, outsideBase, step.eliminations);
        if (step.eliminations.empty())
            return std::nullopt;
        for (int line : bitsOf(baseLines)) {
            collectCandidates(marks, base + line, digit, step.proof);
            step.units.push_back(static_cast<std::uint8_t>(base + line));
        }
        for (int line : bitsOf(coverLines))
            step.units.push_back(static_cast<std::uint8_t>(cover + line));
        return step;
    };
    return findLockedSet(places, size, found);
}

} // namespace

std::optional<Step> findFish(const Candidates& marks, int size) {
    if (size < 2 || size > 4)
        return std::nullopt;
    const Technique technique = FishTechniques[size - 2];
    const UnitPlaces places = placesInEveryUnit(marks);
    for (int digit = 1; digit <= 9; ++digit) {
        if (auto step = fishOn(marks, places, digit, size, technique, rowUnit(0), colUnit(0)))
            return step;
        if (auto step = fishOn(marks, places, digit, size, technique, colUnit(0), rowUnit(0)))
            return step;
    }
    return std::nullopt;
}

std::optional<Step> findXWing(const Candidates& marks) {
    return findFish(marks, 2);
}
std::optional<Step> findSwordfish(const Candidates& marks) {
    return findFish(marks, 3);
}
std::optional<Step> findJellyfish(const Candidates& marks) {
    return findFish(marks, 4);
}

} // namespace engine
