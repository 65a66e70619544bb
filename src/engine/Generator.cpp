// Generating puzzles: a random full grid, then one pass over its cells (with
// their partners) in random order, emptying each while the solution stays
// unique. A pass is enough for minimality: a given that had to stay only gets
// more needed as others go.
#include "engine/Generator.h"

#include "engine/Solver.h"

#include <array>
#include <numeric>

namespace engine {

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

Board minimalPuzzle(Random& random, Symmetry symmetry) {
    Board puzzle = randomSolution(Board{}, random.next()).value();
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

} // namespace engine
