// One of the two history arrays: 501 slots of 10 x 10 texts, where an element
// never written reads as "". Slots are allocated on first write, so a fresh form
// costs nothing for the slots it never records.
#pragma once

#include "board/CellGrid.h"

#include <array>
#include <memory>
#include <string>

class HistArray {
public:
    static constexpr int Slots = 501;
    static constexpr int Dim = 10;

    // slot 0..500, row and col 0..9.
    const std::string& at(int slot, int row, int col) const;
    void set(int slot, int row, int col, const std::string& text);
    // Copies the grid's 81 texts into rows and columns 0..8 of the slot.
    void record(int slot, const CellGrid& grid);
    // Every element of the slot reads "" again.
    void empty(int slot);
    // Slot k + 1 becomes slot k for every k; the last slot reads empty.
    void dropOldest();

private:
    using Board = std::array<std::string, Dim * Dim>;

    int ring(int slot) const;
    std::unique_ptr<Board>& physical(int slot);
    const std::unique_ptr<Board>& physical(int slot) const;

    std::array<std::unique_ptr<Board>, Slots> slots_;
    int first_ = 0; // physical index of slot 0: dropping the oldest moves it, not the boards
};
