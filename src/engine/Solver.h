// The exact solver: how many solutions a board has (none, one, two or more) and
// one of them, found by search. Fast enough to run on every keystroke and
// thousands of times inside the generator; it allocates nothing and keeps no
// state between calls, so any thread may call it.
#pragma once

#include "engine/Grid.h"

#include <cstdint>
#include <optional>

namespace engine {

struct SolveResult {
    // 0, 1, or 2 for two or more.
    int solutions = 0;
    // The first solution found, givens kept; all zeros when there is none.
    Board solution{};
    // Digits the search tried in a cell when propagation ran dry, a first
    // search given up included: the work the board cost, the same on every
    // machine.
    int guesses = 0;
};

// A cell outside 1-9 counts as empty. Givens that repeat a digit in a unit
// leave no solution.
SolveResult solve(const Board& board);
bool hasUniqueSolution(const Board& board);
// A solution picked by `seed` among the board's solutions: the same board and
// seed give the same solution everywhere. None when the board has no solution.
std::optional<Board> randomSolution(const Board& board, std::uint64_t seed);

// Two cells of one unit that hold the same digit.
struct Repeat {
    int unit = 0; // Grid.h numbering
    int first = 0;
    int second = 0; // after `first` in the unit
};
// The first repeat in the order of the units (rows, columns, boxes) and of their
// cells; none when no unit holds a digit twice.
std::optional<Repeat> repeatedGiven(const Board& board);

} // namespace engine
