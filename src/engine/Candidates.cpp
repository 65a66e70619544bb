// Pencil marks kept as one digit set per cell.
#include "engine/Candidates.h"

namespace engine {

Candidates::Candidates(const Board& board) : board_(board) {
    for (int cell = 0; cell < Cells; ++cell) {
        if (board_[cell] != 0)
            continue;
        ++empty_;
        Digits seen = 0;
        for (int peer : PeerTable[cell])
            if (board_[peer] != 0)
                seen |= digitBit(board_[peer]);
        marks_[cell] = AllDigits & ~seen;
    }
}

std::uint16_t Candidates::places(int unit, int digit) const {
    std::uint16_t found = 0;
    for (int i = 0; i < 9; ++i)
        if (has(UnitTable[unit][i], digit))
            found |= static_cast<std::uint16_t>(1u << i);
    return found;
}

void Candidates::place(int cell, int digit) {
    if (board_[cell] != 0)
        return;
    board_[cell] = static_cast<std::uint8_t>(digit);
    marks_[cell] = 0;
    --empty_;
    for (int peer : PeerTable[cell])
        marks_[peer] &= static_cast<Digits>(~digitBit(digit));
}

bool Candidates::eliminate(int cell, int digit) {
    const bool had = has(cell, digit);
    marks_[cell] &= static_cast<Digits>(~digitBit(digit));
    return had;
}

} // namespace engine
