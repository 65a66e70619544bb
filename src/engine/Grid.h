// The geometry of the 9 x 9 board as the engine sees it: 81 cells numbered row
// by row, 27 units (9 rows, 9 columns, 9 boxes) and each cell's 20 peers.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace engine {

inline constexpr int Cells = 81;
inline constexpr int Units = 27;

// A set of digits: bit d - 1 stands for digit d.
using Digits = std::uint16_t;
inline constexpr Digits AllDigits = 0x1FF;

constexpr Digits digitBit(int digit) {
    return static_cast<Digits>(1u << (digit - 1));
}
// Counted in a few shifts: a processor-neutral build makes std::popcount a
// library call, and the finders count digits in their inner loops.
constexpr int digitCount(Digits digits) {
    unsigned bits = digits;
    bits -= (bits >> 1) & 0x5555u;
    bits = (bits & 0x3333u) + ((bits >> 2) & 0x3333u);
    bits = (bits + (bits >> 4)) & 0x0F0Fu;
    return static_cast<int>((bits + (bits >> 8)) & 0x1Fu);
}
// The smallest digit of a non-empty set.
constexpr int firstDigit(Digits digits) {
    return std::countr_zero(digits) + 1;
}

// A board: 0 for an empty cell, 1-9 for a digit, cells row by row.
using Board = std::array<std::uint8_t, Cells>;

constexpr int rowOf(int cell) {
    return cell / 9;
}
constexpr int colOf(int cell) {
    return cell % 9;
}
constexpr int boxOf(int cell) {
    return rowOf(cell) / 3 * 3 + colOf(cell) / 3;
}
constexpr int cellAt(int row, int col) {
    return row * 9 + col;
}

// Units 0-8 are the rows, 9-17 the columns, 18-26 the boxes (left to right,
// top to bottom); a box's cells run row by row.
constexpr int rowUnit(int row) {
    return row;
}
constexpr int colUnit(int col) {
    return 9 + col;
}
constexpr int boxUnit(int box) {
    return 18 + box;
}

using UnitCells = std::array<std::uint8_t, 9>;

inline constexpr std::array<UnitCells, Units> UnitTable = [] {
    std::array<UnitCells, Units> units{};
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            units[rowUnit(i)][j] = static_cast<std::uint8_t>(cellAt(i, j));
            units[colUnit(i)][j] = static_cast<std::uint8_t>(cellAt(j, i));
            units[boxUnit(i)][j] =
                static_cast<std::uint8_t>(cellAt(i / 3 * 3 + j / 3, i % 3 * 3 + j % 3));
        }
    }
    return units;
}();

// The three units of a cell: its row, its column and its box.
constexpr std::array<int, 3> unitsOf(int cell) {
    return {rowUnit(rowOf(cell)), colUnit(colOf(cell)), boxUnit(boxOf(cell))};
}

constexpr bool seesEachOther(int a, int b) {
    return a != b && (rowOf(a) == rowOf(b) || colOf(a) == colOf(b) || boxOf(a) == boxOf(b));
}

using PeerCells = std::array<std::uint8_t, 20>;

// The 20 other cells of a cell's row, column and box, in cell order.
inline constexpr std::array<PeerCells, Cells> PeerTable = [] {
    std::array<PeerCells, Cells> peers{};
    for (int cell = 0; cell < Cells; ++cell) {
        int n = 0;
        for (int other = 0; other < Cells; ++other)
            if (seesEachOther(cell, other))
                peers[cell][n++] = static_cast<std::uint8_t>(other);
    }
    return peers;
}();

} // namespace engine
