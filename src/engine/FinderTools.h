// What the finders share: the order they scan units in, walking the bits of a
// mask, and the search behind subsets and fish for N items (cells, digits,
// lines) whose positions together number exactly N.
#pragma once

#include "engine/Candidates.h"
#include "engine/Step.h"

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <vector>

namespace engine {

// The order in which finders look at units: boxes, then rows, then columns, as
// a person scans a board.
inline constexpr std::array<int, Units> ScanOrder = [] {
    std::array<int, Units> order{};
    for (int i = 0; i < 9; ++i) {
        order[i] = boxUnit(i);
        order[9 + i] = rowUnit(i);
        order[18 + i] = colUnit(i);
    }
    return order;
}();

// Bit i of a mask: item i, or position i.
using ItemMasks = std::array<std::uint16_t, 9>;

// The number of bits of a mask of nine bits, without the library call a
// processor-neutral build makes of std::popcount.
inline constexpr std::array<std::uint8_t, 512> BitCounts = [] {
    std::array<std::uint8_t, 512> counts{};
    for (unsigned mask = 1; mask < 512; ++mask)
        counts[mask] = static_cast<std::uint8_t>(counts[mask & (mask - 1)] + 1);
    return counts;
}();

// For every unit and digit, the places of the digit in the unit as
// Candidates::places gives them, all found in one pass: [unit][digit - 1].
using UnitPlaces = std::array<ItemMasks, Units>;
UnitPlaces placesInEveryUnit(const Candidates& marks);

// Calls `found(chosen, covered)` for each set `chosen` of `size` items whose
// masks together cover exactly `size` positions (`covered`), in lexicographic
// order of the items, until it returns a step. Items with an empty mask are
// never chosen. That step, or none.
template <typename Found>
std::optional<Step> findLockedSet(const ItemMasks& masks, int size, Found&& found, int from = 0,
                                  std::uint16_t chosen = 0, std::uint16_t covered = 0) {
    if (BitCounts[chosen] == size)
        return BitCounts[covered] == size ? found(chosen, covered) : std::nullopt;
    for (int item = from; item < 9; ++item) {
        const auto more = static_cast<std::uint16_t>(covered | masks[item]);
        if (masks[item] == 0 || BitCounts[more] > size)
            continue;
        const auto with = static_cast<std::uint16_t>(chosen | 1u << item);
        if (auto step = findLockedSet(masks, size, found, item + 1, with, more))
            return step;
    }
    return std::nullopt;
}

// The positions of a mask, lowest first: `for (int i : bitsOf(mask))`.
class BitsOf {
public:
    explicit constexpr BitsOf(unsigned mask) : mask_(mask) {}
    struct Iterator {
        unsigned rest;
        int operator*() const { return std::countr_zero(rest); }
        Iterator& operator++() {
            rest &= rest - 1;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return rest != other.rest; }
    };
    Iterator begin() const { return {mask_}; }
    Iterator end() const { return {0}; }

private:
    unsigned mask_;
};

constexpr BitsOf bitsOf(unsigned mask) {
    return BitsOf(mask);
}

constexpr CellDigit cellDigit(int cell, int digit) {
    return {static_cast<std::uint8_t>(cell), static_cast<std::uint8_t>(digit)};
}

// The candidate `digit` of every cell of `unit` for which `pick(cell)` holds,
// appended to `out` in the unit's order.
template <typename Pick>
void collectCandidates(const Candidates& marks, int unit, int digit, Pick pick,
                       std::vector<CellDigit>& out) {
    for (int cell : UnitTable[unit])
        if (marks.has(cell, digit) && pick(cell))
            out.push_back(cellDigit(cell, digit));
}

inline void collectCandidates(const Candidates& marks, int unit, int digit,
                              std::vector<CellDigit>& out) {
    collectCandidates(
        marks, unit, digit, [](int) { return true; }, out);
}

} // namespace engine
