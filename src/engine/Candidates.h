// The pencil marks of a board: the digit of every filled cell and, for every
// empty cell, the digits still possible there. Logical steps read and change it.
#pragma once

#include "engine/Grid.h"

namespace engine {

class Candidates {
public:
    // Every empty cell starts with the digits none of its peers holds. A board
    // with a repeated digit is taken as it is: its cells keep their digits.
    explicit Candidates(const Board& board);

    const Board& board() const { return board_; }
    // 0 for an empty cell.
    int digit(int cell) const { return board_[cell]; }
    // The candidates of an empty cell (0 when none is left); 0 for a filled cell.
    Digits at(int cell) const { return marks_[cell]; }
    bool has(int cell, int digit) const { return (marks_[cell] & digitBit(digit)) != 0; }
    // True when every cell holds a digit.
    bool solved() const { return empty_ == 0; }
    int emptyCells() const { return empty_; }
    // The places of `digit` among the candidates of `unit`: bit i for the unit's
    // i-th cell (UnitTable order).
    std::uint16_t places(int unit, int digit) const;

    // Fills an empty cell with `digit` and takes `digit` from its peers' candidates.
    void place(int cell, int digit);
    // Takes `digit` from an empty cell's candidates; true when it was one.
    bool eliminate(int cell, int digit);

    friend bool operator==(const Candidates&, const Candidates&) = default;

private:
    Board board_{};
    std::array<Digits, Cells> marks_{};
    int empty_ = 0;
};

} // namespace engine
