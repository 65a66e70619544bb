// Rating puzzles by the hardest technique they need, and generating puzzles at a level.
#include "EngineText.h"
#include "engine/Generator.h"
#include "engine/Rating.h"
#include "engine/Solver.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

struct RatedPuzzle {
    SolvedPuzzle puzzle;
    Level level;
};

// Easiest first; two solutions make a board beyond.
const RatedPuzzle RatedPuzzles[] = {
    {EasyPuzzle, Level::Easy},       {MediumPuzzle, Level::Medium},
    {HardPuzzle, Level::Hard},       {ExpertPuzzle, Level::Expert},
    {ExtremePuzzle, Level::Extreme}, {{"beyond", TwoSolutions, ""}, Level::Beyond},
};

TEST(Rating, AKnownPuzzleGetsItsLevelAndScoresAboveEveryEasierOne) {
    int lastScore = -1;
    for (const RatedPuzzle& rated : RatedPuzzles) {
        SCOPED_TRACE(rated.puzzle.name);
        const Rating rating = rate(boardOf(rated.puzzle.puzzle));
        EXPECT_EQ(rating.level, rated.level);
        EXPECT_EQ(rating.score / 10000, static_cast<int>(rated.level));
        EXPECT_GT(rating.score, lastScore);
        lastScore = rating.score;
    }
}

// The generator asks "is this at most hard?": the answer must match the full
// rating for every ceiling.
TEST(Rating, ACeilingGivesTheFullRatingOrNoneWhenThePuzzleIsHarder) {
    for (const RatedPuzzle& rated : RatedPuzzles) {
        const Board board = boardOf(rated.puzzle.puzzle);
        for (int i = 0; i <= static_cast<int>(Level::Beyond); ++i) {
            const auto ceiling = static_cast<Level>(i);
            SCOPED_TRACE(std::string(rated.puzzle.name) + " up to " +
                         std::string(levelName(ceiling)));
            const auto rating = rateUpTo(board, ceiling);
            if (rated.level <= ceiling)
                EXPECT_EQ(rating, rate(board));
            else
                EXPECT_FALSE(rating);
        }
    }
}

// A filled board needs no step; an empty or broken one cannot be finished.
TEST(Rating, AFilledBoardIsEasyAtNoCostAndABrokenOneIsBeyond) {
    EXPECT_EQ(rate(boardOf(EasyPuzzle.solution)), (Rating{Level::Easy, 0}));
    EXPECT_EQ(rate(Board{}).level, Level::Beyond);
    EXPECT_EQ(rate(boardOf("55" + std::string(EasyPuzzle.solution.substr(2)))).level,
              Level::Beyond);
}

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
