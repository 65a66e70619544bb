// History slots as a ring over lazily allocated boards.
#include "board/HistArray.h"

#include <cassert>

namespace {

const std::string& emptyText() {
    static const std::string none;
    return none;
}

int bounded(int i) {
    assert(i >= 0 && i < HistArray::Dim && "history element out of range");
    return i < 0 ? 0 : (i >= HistArray::Dim ? HistArray::Dim - 1 : i);
}

int element(int row, int col) {
    return bounded(row) * HistArray::Dim + bounded(col);
}

} // namespace

int HistArray::ring(int slot) const {
    assert(slot >= 0 && slot < Slots && "history slot out of range");
    const int bounded = slot < 0 ? 0 : (slot >= Slots ? Slots - 1 : slot);
    const int physical = first_ + bounded;
    return physical < Slots ? physical : physical - Slots;
}

std::unique_ptr<HistArray::Board>& HistArray::physical(int slot) {
    return slots_[ring(slot)];
}

const std::unique_ptr<HistArray::Board>& HistArray::physical(int slot) const {
    return slots_[ring(slot)];
}

const std::string& HistArray::at(int slot, int row, int col) const {
    const auto& board = physical(slot);
    return board ? (*board)[element(row, col)] : emptyText();
}

void HistArray::set(int slot, int row, int col, const std::string& text) {
    auto& board = physical(slot);
    if (!board)
        board = std::make_unique<Board>();
    (*board)[element(row, col)] = text;
}

void HistArray::record(int slot, const CellGrid& grid) {
    auto& board = physical(slot);
    if (!board)
        board = std::make_unique<Board>();
    for (int row = 0; row < CellGrid::Size; ++row)
        for (int col = 0; col < CellGrid::Size; ++col)
            (*board)[row * Dim + col] = grid.text(row, col);
}

void HistArray::empty(int slot) {
    physical(slot).reset();
}

void HistArray::dropOldest() {
    slots_[first_].reset();
    first_ = (first_ + 1) % Slots;
}
