// Rating: the level of the hardest technique needed, and a score that orders by level first.
#include "engine/Rating.h"

#include "EngineText.h"

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

} // namespace
} // namespace engine
