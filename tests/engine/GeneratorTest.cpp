// The generator: unique, symmetric, minimal puzzles at the level asked, fixed by the seed.
#include "engine/Generator.h"

#include "engine/PuzzleText.h"
#include "engine/Rating.h"
#include "engine/Solver.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

const std::atomic<bool> Never = false;

// Under rotate180 the cell opposite through the centre: worked out from row
// and column, not from the generator.
int opposite(int cell) {
    return (8 - cell / 9) * 9 + (8 - cell % 9);
}

// One solution; under rotate180 every given has its partner; and no given can
// go with its partner without a second solution.
void expectUniqueSymmetricMinimal(const Board& puzzle, Symmetry symmetry) {
    SCOPED_TRACE(formatLine(puzzle));
    ASSERT_EQ(solve(puzzle).solutions, 1);
    for (int cell = 0; cell < Cells; ++cell) {
        if (puzzle[cell] == 0)
            continue;
        const int partner = symmetry == Symmetry::Rotate180 ? opposite(cell) : cell;
        EXPECT_TRUE(symmetry == Symmetry::None || puzzle[partner] != 0)
            << cellName(cell) << " without its partner";
        Board fewer = puzzle;
        fewer[cell] = 0;
        fewer[partner] = 0;
        EXPECT_EQ(solve(fewer).solutions, 2) << cellName(cell) << " could go";
    }
}

// The full rating, not the ceiling the generator asks with, must give the
// level: a generated puzzle is what `rate` then calls it.
TEST(Generator, APuzzleAtEachLevelIsUniqueSymmetricMinimalAndRatedAtIt) {
    const std::tuple<std::uint64_t, Level, Symmetry> runs[] = {
        {1, Level::Easy, Symmetry::Rotate180},
        {3, Level::Medium, Symmetry::None},
        {4, Level::Hard, Symmetry::Rotate180},
        {5, Level::Expert, Symmetry::None}};
    for (const auto& [seed, level, symmetry] : runs) {
        Random random(seed);
        const auto puzzle = puzzleAtLevel(random, level, symmetry, Never);
        ASSERT_TRUE(puzzle) << levelName(level);
        expectUniqueSymmetricMinimal(*puzzle, symmetry);
        EXPECT_EQ(rate(*puzzle, true).level, level) << formatLine(*puzzle);
    }
}

// A worker thread that is told to stop, or has waited long enough, gets none.
TEST(Generator, NoPuzzleOnceCancelledOrPastTheDeadline) {
    const std::atomic<bool> cancelled = true;
    Random random(1);
    EXPECT_FALSE(puzzleAtLevel(random, Level::Easy, Symmetry::Rotate180, cancelled));
    EXPECT_FALSE(
        puzzleAtLevel(random, Level::Easy, Symmetry::Rotate180, Never, std::chrono::seconds{0}));
}

// The generator draws from its own fixed-sequence generator, never from a
// standard-library distribution, so a seed means this puzzle everywhere;
// another seed gives another.
TEST(Generator, ASeedMeansTheSamePuzzleOnEveryPlatform) {
    const auto easyPuzzle = [](std::uint64_t seed) {
        Random random(seed);
        return puzzleAtLevel(random, Level::Easy, Symmetry::Rotate180, Never).value();
    };
    EXPECT_EQ(formatLine(easyPuzzle(1)),
              "....6.......73.6922..4....7.1.5...8...8...1...9...7.4.1....2..9765.84.......7....");
    EXPECT_NE(easyPuzzle(2), easyPuzzle(1));
}

} // namespace
} // namespace engine
