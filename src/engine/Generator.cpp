// Generating puzzles: a random full grid, then one pass over its cells (with
// their partners) in random order, emptying each while the solution stays
// unique. A pass is enough for minimality: a given that had to stay only gets
// more needed as others go. A grid serves a few passes in different orders,
// which give different puzzles at a fraction of the cost of a new grid.
#include "engine/Generator.h"

#include "engine/Rating.h"
#include "engine/Solver.h"

#include <array>
#include <numeric>

namespace engine {

namespace {

constexpr int PassesPerGrid = 4;

Board randomGrid(Random& random) {
    return randomSolution(Board{}, random.next()).value();
}

Board emptied(Board puzzle, Random& random, Symmetry symmetry) {
    // Under rotate180 cells 0-40 stand for their pairs.
    const int count = symmetry == Symmetry::Rotate180 ? Cells / 2 + 1 : Cells;
    std::array<std::uint8_t, Cells> order{};
    std::iota(order.begin(), order.end(), std::uint8_t{0});
    random.shuffle(order.data(), count);
    for (int i = 0; i < count; ++i) {
        Board fewer = puzzle;
        fewer[order[i]] = 0;
        fewer[partnerOf(order[i], symmetry)] = 0;
        if (hasUniqueSolution(fewer))
            puzzle = fewer;
    }
    return puzzle;
}

// The ceiling makes the rating give up on a harder puzzle as soon as it needs
// a technique above `level`.
bool isAtLevel(const Board& puzzle, Level level) {
    const auto rating = rateUpTo(puzzle, level, true);
    return rating && rating->level == level;
}

} // namespace

std::string_view symmetryName(Symmetry symmetry) {
    return symmetry == Symmetry::Rotate180 ? "rotate180" : "none";
}

std::optional<Symmetry> symmetryNamed(std::string_view name) {
    for (const Symmetry symmetry : {Symmetry::Rotate180, Symmetry::None})
        if (symmetryName(symmetry) == name)
            return symmetry;
    return std::nullopt;
}

int partnerOf(int cell, Symmetry symmetry) {
    return symmetry == Symmetry::Rotate180 ? Cells - 1 - cell : cell;
}

std::optional<Board> puzzleAtLevel(Random& random, Level level, Symmetry symmetry,
                                   const std::atomic<bool>& cancel,
                                   std::chrono::steady_clock::duration giveUpAfter) {
    const auto start = std::chrono::steady_clock::now();
    Board grid{};
    for (int pass = 0; !cancel && std::chrono::steady_clock::now() - start < giveUpAfter;
         pass = (pass + 1) % PassesPerGrid) {
        if (pass == 0)
            grid = randomGrid(random);
        const Board puzzle = emptied(grid, random, symmetry);
        if (isAtLevel(puzzle, level))
            return puzzle;
    }
    return std::nullopt;
}

} // namespace engine
