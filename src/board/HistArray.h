// One of the two history arrays: 501 slots of 10 x 10 texts, where an element
// never written reads as "". A slot is allocated on its first record, so a fresh
// form costs nothing for the slots it never records, and keeps its texts packed
// in one buffer, so recording a board is one pass of small copies.
#pragma once

#include "controls/CellGrid.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class HistArray {
public:
    static constexpr int Slots = 501;
    static constexpr int Dim = 10;

    // slot 0..500, row and col 0..9. Valid until the slot is next changed.
    std::string_view at(int slot, int row, int col) const;
    // Copies the grid's 81 texts into rows and columns 0..8 of the slot; row 9
    // and column 9 read "".
    void record(int slot, const CellGrid& grid);
    // The same from 81 texts row by row; a text missing reads "".
    void recordTexts(int slot, const std::vector<std::string>& texts);
    // Every element of the slot reads "" again.
    void empty(int slot);
    // Slot k + 1 becomes slot k for every k; the last slot reads empty.
    void dropOldest();

private:
    // Element e is chars[end[e - 1], end[e]), with end[-1] taken as 0.
    struct Board {
        std::array<std::uint32_t, Dim * Dim> end{};
        std::string chars;
    };

    template <typename TextAt>
    void store(int slot, TextAt textAt);
    int ring(int slot) const;
    std::unique_ptr<Board>& physical(int slot);
    const std::unique_ptr<Board>& physical(int slot) const;

    std::array<std::unique_ptr<Board>, Slots> slots_;
    int first_ = 0; // physical index of slot 0: dropping the oldest moves it, not the boards
};
