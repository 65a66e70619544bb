// History slots as a ring over lazily allocated boards.
#include "board/HistArray.h"

#include <cassert>

namespace {

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

std::string_view HistArray::at(int slot, int row, int col) const {
    const auto& board = physical(slot);
    if (!board)
        return {};
    const int e = element(row, col);
    const std::uint32_t begin = e == 0 ? 0 : board->end[e - 1];
    return std::string_view(board->chars).substr(begin, board->end[e] - begin);
}

// Sizes the buffer once, then copies each text into place.
template <typename TextAt>
void HistArray::store(int slot, TextAt textAt) {
    auto& board = physical(slot);
    if (!board)
        board = std::make_unique<Board>();
    std::size_t total = 0;
    for (int row = 0; row < CellGrid::Size; ++row)
        for (int col = 0; col < CellGrid::Size; ++col)
            total += textAt(row, col).size();
    board->chars.resize(total);
    std::uint32_t end = 0;
    for (int row = 0; row < Dim; ++row) {
        for (int col = 0; col < Dim; ++col) {
            if (row < CellGrid::Size && col < CellGrid::Size) {
                const std::string_view text = textAt(row, col);
                text.copy(board->chars.data() + end, text.size());
                end += static_cast<std::uint32_t>(text.size());
            }
            board->end[row * Dim + col] = end;
        }
    }
}

void HistArray::record(int slot, const CellGrid& grid) {
    store(slot, [&grid](int row, int col) { return std::string_view(grid.text(row, col)); });
}

void HistArray::recordTexts(int slot, const std::vector<std::string>& texts) {
    store(slot, [&texts](int row, int col) {
        const auto at = static_cast<std::size_t>(row * CellGrid::Size + col);
        return at < texts.size() ? std::string_view(texts[at]) : std::string_view();
    });
}

void HistArray::empty(int slot) {
    physical(slot).reset();
}

void HistArray::dropOldest() {
    slots_[first_].reset();
    first_ = (first_ + 1) % Slots;
}
