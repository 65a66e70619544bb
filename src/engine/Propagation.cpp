// The scene of the marks and the singles and conflicts of a scene, found a
// digit's cells at a time.
#include "engine/Propagation.h"

#include <utility>

namespace engine {

namespace {

constexpr std::uint32_t AllUnits = (1u << Units) - 1;

// The units of each cell as bits.
constexpr std::array<std::uint32_t, Cells> UnitBits = [] {
    std::array<std::uint32_t, Cells> bits{};
    for (int cell = 0; cell < Cells; ++cell)
        for (int unit : unitsOf(cell))
            bits[cell] |= 1u << unit;
    return bits;
}();

} // namespace

void Scene::erase(CellSet cells, int digit) {
    places[digit - 1] = places[digit - 1].without(cells);
    cells.forEach([&](int cell) { changed[digit - 1] |= UnitBits[cell]; });
}

Scene Scene::of(const Candidates& marks) {
    Scene scene;
    for (int cell = 0; cell < Cells; ++cell) {
        if (marks.digit(cell) != 0) {
            scene.filled.insert(cell);
            scene.places[marks.digit(cell) - 1].insert(cell);
        }
        for (Digits rest = marks.at(cell); rest != 0; rest &= rest - 1)
            scene.places[firstDigit(rest) - 1].insert(cell);
    }
    scene.changed.fill(AllUnits);
    return scene;
}

namespace propagation {

int onlyDigit(const Scene& scene, int cell) {
    for (int digit = 1; digit <= 9; ++digit)
        if (scene.has(cell, digit))
            return digit;
    return 0;
}

Singles singlesOf(Scene& scene) {
    Singles singles;
    CellSet once;
    CellSet twice;
    for (const CellSet& cells : scene.places) {
        twice = twice | (once & cells);
        once = once | cells;
    }
    const CellSet bare = AllCells.without(once);
    if (!bare.empty()) {
        int first = -1;
        bare.forEach([&](int cell) { first = first < 0 ? cell : first; });
        singles.conflict = Conflict{first, NoUnit, 0};
        return singles;
    }
    singles.naked = once.without(twice).without(scene.filled);
    for (int digit = 0; digit < 9; ++digit)
        for (std::uint32_t rest = std::exchange(scene.changed[digit], 0); rest != 0;
             rest &= rest - 1) {
            const int unit = std::countr_zero(rest);
            const CellSet places = scene.places[digit] & UnitSets[unit];
            if (places.empty()) {
                singles.conflict = Conflict{-1, static_cast<std::uint8_t>(unit), digit + 1};
                return singles;
            }
            if (places.single() && (places & scene.filled).empty())
                singles.hidden[digit] = singles.hidden[digit] | places;
        }
    return singles;
}

} // namespace propagation

} // namespace engine
