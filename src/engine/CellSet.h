// Sets of cells as 81-bit masks, so the cells that see several others or hold a
// digit come out of a few ANDs instead of loops over peers.
#pragma once

#include "engine/Candidates.h"
#include "engine/Step.h"

#include <optional>
#include <vector>

namespace engine {

class CellSet {
public:
    constexpr CellSet() = default;
    // Cells 0-63 are the bits of `low`, 64-80 those of `high`.
    static constexpr CellSet fromWords(std::uint64_t low, std::uint64_t high) {
        return {low, high & ((std::uint64_t{1} << (Cells - 64)) - 1)};
    }
    constexpr std::uint64_t lowWord() const { return low_; }
    constexpr std::uint64_t highWord() const { return high_; }

    static constexpr CellSet of(int cell) {
        CellSet set;
        set.insert(cell);
        return set;
    }

    constexpr void insert(int cell) { word(cell) |= bit(cell); }
    constexpr void erase(int cell) { word(cell) &= ~bit(cell); }
    constexpr bool contains(int cell) const { return (word(cell) & bit(cell)) != 0; }
    constexpr bool empty() const { return low_ == 0 && high_ == 0; }
    constexpr int size() const { return bitCount(low_) + bitCount(high_); }
    // The lowest cell; -1 for an empty set.
    constexpr int first() const {
        return low_ != 0 ? std::countr_zero(low_) : high_ != 0 ? 64 + std::countr_zero(high_) : -1;
    }
    // Exactly one cell, told without counting.
    constexpr bool single() const {
        return (low_ == 0) != (high_ == 0) && (low_ & (low_ - 1)) == 0 &&
               (high_ & (high_ - 1)) == 0;
    }

    constexpr CellSet operator&(CellSet other) const {
        return {low_ & other.low_, high_ & other.high_};
    }
    constexpr CellSet operator|(CellSet other) const {
        return {low_ | other.low_, high_ | other.high_};
    }
    // The cells of this set that are not in `other`.
    constexpr CellSet without(CellSet other) const {
        return {low_ & ~other.low_, high_ & ~other.high_};
    }

    // Calls f(cell) for every cell in increasing order.
    template <typename F>
    constexpr void forEach(F f) const {
        for (std::uint64_t bits = low_; bits != 0; bits &= bits - 1)
            f(std::countr_zero(bits));
        for (std::uint64_t bits = high_; bits != 0; bits &= bits - 1)
            f(64 + std::countr_zero(bits));
    }

    // Mixes the cells into a number for hash tables, every bit of it.
    constexpr std::uint64_t hash() const {
        std::uint64_t mixed = low_ ^ (high_ * 0x9E3779B97F4A7C15ull);
        mixed = (mixed ^ (mixed >> 33)) * 0xFF51AFD7ED558CCDull;
        mixed = (mixed ^ (mixed >> 33)) * 0xC4CEB9FE1A85EC53ull;
        return mixed ^ (mixed >> 33);
    }

    friend constexpr bool operator==(CellSet, CellSet) = default;

private:
    constexpr CellSet(std::uint64_t low, std::uint64_t high) : low_(low), high_(high) {}
    // std::popcount without the library call a processor-neutral build makes.
    static constexpr int bitCount(std::uint64_t bits) {
        bits -= (bits >> 1) & 0x5555555555555555ull;
        bits = (bits & 0x3333333333333333ull) + ((bits >> 2) & 0x3333333333333333ull);
        bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Full;
        return static_cast<int>((bits * 0x0101010101010101ull) >> 56);
    }
    static constexpr std::uint64_t bit(int cell) { return std::uint64_t{1} << (cell & 63); }
    constexpr std::uint64_t& word(int cell) { return cell < 64 ? low_ : high_; }
    constexpr std::uint64_t word(int cell) const { return cell < 64 ? low_ : high_; }

    std::uint64_t low_ = 0;
    std::uint64_t high_ = 0;
};

// The 20 peers of each cell.
inline constexpr std::array<CellSet, Cells> PeerSets = [] {
    std::array<CellSet, Cells> sets{};
    for (int cell = 0; cell < Cells; ++cell)
        for (int peer : PeerTable[cell])
            sets[cell].insert(peer);
    return sets;
}();

// The nine cells of each unit.
inline constexpr std::array<CellSet, Units> UnitSets = [] {
    std::array<CellSet, Units> sets{};
    for (int unit = 0; unit < Units; ++unit)
        for (int cell : UnitTable[unit])
            sets[unit].insert(cell);
    return sets;
}();

inline constexpr CellSet AllCells = [] {
    CellSet all;
    for (int cell = 0; cell < Cells; ++cell)
        all.insert(cell);
    return all;
}();

// For each digit d, at index d - 1, the empty cells that still have d among
// their candidates.
using DigitCells = std::array<CellSet, 9>;
DigitCells cellsByDigit(const Candidates& marks);
// The cells that see every cell of `cells`; every cell when `cells` is empty.
CellSet seenByEvery(CellSet cells);
// The empty cells with exactly two candidates.
CellSet bivalueCells(const Candidates& marks);
// The two places of `digit` (1-9) in `unit` in unit order, when it has exactly
// two there (a conjugate pair); none otherwise.
std::optional<std::array<int, 2>> pairPlaces(const Candidates& marks, int unit, int digit);
// The first unit (rows, then columns, then boxes) that holds both cells; -1 when
// they share none.
int sharedUnit(int a, int b);
constexpr CellDigit candidate(int cell, int digit) {
    return {static_cast<std::uint8_t>(cell), static_cast<std::uint8_t>(digit)};
}
// Appends the digits of `digits` in `cell`, smallest first.
void appendCandidates(std::vector<CellDigit>& list, int cell, Digits digits);
// Appends `digit` in every cell of `cells`, in cell order.
void appendCells(std::vector<CellDigit>& list, CellSet cells, int digit);

} // namespace engine
