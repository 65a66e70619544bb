// The scene of the marks and the singles and conflicts of a scene, found a
// digit's cells at a time.
#include "engine/Propagation.h"

#include <algorithm>
#include <utility>

namespace engine {

namespace {

// A digit's cells as one 128-bit number, so that all nine units of a kind are
// counted at once: shifting the cells so that each unit's k-th cell lands on
// the unit's first bit, for k = 0..8, and adding up in "once" and "twice".
using Bits = unsigned __int128;

Bits bitsOf(CellSet cells) {
    return static_cast<Bits>(cells.highWord()) << 64 | cells.lowWord();
}

CellSet cellsOf(Bits bits) {
    return CellSet::fromWords(static_cast<std::uint64_t>(bits),
                              static_cast<std::uint64_t>(bits >> 64));
}

int lowestBit(Bits bits) {
    const auto low = static_cast<std::uint64_t>(bits);
    return low != 0 ? std::countr_zero(low)
                    : 64 + std::countr_zero(static_cast<std::uint64_t>(bits >> 64));
}

constexpr Bits sumOfBits(std::array<int, 9> positions) {
    Bits sum = 0;
    for (int position : positions)
        sum |= static_cast<Bits>(1) << position;
    return sum;
}

// One kind of unit: the first bit of each unit, where its k-th cell lies from
// there, and which unit the first bits stand for, in Grid.h numbering.
struct UnitKind {
    std::array<int, 9> firsts;
    std::array<int, 9> offsets;
    int unitBase;
};

constexpr std::array<UnitKind, 3> Kinds = {{
    {{0, 9, 18, 27, 36, 45, 54, 63, 72}, {0, 1, 2, 3, 4, 5, 6, 7, 8}, 0},
    {{0, 1, 2, 3, 4, 5, 6, 7, 8}, {0, 9, 18, 27, 36, 45, 54, 63, 72}, 9},
    {{0, 3, 6, 27, 30, 33, 54, 57, 60}, {0, 1, 2, 9, 10, 11, 18, 19, 20}, 18},
}};

// The units of a kind that hold the digit's cells once, and not at all, as
// their first bits.
struct Count {
    Bits once;
    Bits none;
};

Count countIn(Bits cells, const UnitKind& kind) {
    const Bits firsts = sumOfBits(kind.firsts);
    Bits some = 0;
    Bits more = 0;
    for (int offset : kind.offsets) {
        const Bits at = (cells >> offset) & firsts;
        more |= some & at;
        some |= at;
    }
    return {some & ~more, firsts & ~some};
}

// Every cell of the units whose first bits are given.
Bits unitsCells(Bits firstBits, const UnitKind& kind) {
    return firstBits * sumOfBits(kind.offsets);
}

} // namespace

void Scene::erase(CellSet cells, int digit) {
    places[digit - 1] = places[digit - 1].without(cells);
    changed |= digitBit(digit);
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
    scene.changed = AllDigits;
    return scene;
}

Scene joined(const Scene& a, const Scene& b) {
    Scene both;
    for (int digit = 0; digit < 9; ++digit)
        both.places[digit] = a.places[digit] & b.places[digit];
    both.filled = a.filled | b.filled;
    both.changed = AllDigits;
    return both;
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
        singles.conflict = Conflict{bare.first(), NoUnit, 0};
        return singles;
    }
    singles.naked = once.without(twice).without(scene.filled);
    const Bits filled = bitsOf(scene.filled);
    for (Digits rest = std::exchange(scene.changed, 0); rest != 0; rest &= rest - 1) {
        const int digit = firstDigit(rest);
        const Bits cells = bitsOf(scene.places[digit - 1]);
        Bits hidden = 0;
        for (const UnitKind& kind : Kinds) {
            const Count count = countIn(cells, kind);
            if (count.none != 0) {
                const int first = static_cast<int>(
                    std::find(kind.firsts.begin(), kind.firsts.end(), lowestBit(count.none)) -
                    kind.firsts.begin());
                singles.conflict =
                    Conflict{-1, static_cast<std::uint8_t>(kind.unitBase + first), digit};
                return singles;
            }
            hidden |= unitsCells(count.once, kind);
        }
        singles.hidden[digit - 1] = cellsOf(cells & hidden & ~filled);
    }
    return singles;
}

bool probeFails(const Scene& scene, int cell, int digit, int depth, const Shortcuts* shortcuts) {
    Silent silent;
    if (shortcuts != nullptr && depth == 1) {
        const Scene* end = shortcuts->ends[static_cast<std::size_t>(cell * 9 + digit - 1)];
        if (end == nullptr)
            return true;
        Scene probe = joined(scene, *end);
        return !settle(probe, 1, silent);
    }
    Scene probe = scene;
    placeDigit(probe, silent, cell, digit);
    return !settle(probe, depth, silent, shortcuts);
}

} // namespace propagation

} // namespace engine
