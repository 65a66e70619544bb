// Rating puzzles by the techniques of their logical solution.
#include "engine/Rating.h"

#include <algorithm>

namespace engine {

namespace {

constexpr int LevelSpan = 10000;

int weightOf(Technique technique) {
    return static_cast<int>(technique) + 1;
}

} // namespace

Rating rate(const LogicalSolution& solution) {
    Level level = Level::Easy;
    int work = 0;
    for (const Step& step : solution.steps) {
        level = std::max(level, levelOf(step.technique));
        work += weightOf(step.technique);
    }
    if (!solution.solved)
        level = Level::Beyond;
    return {level, LevelSpan * static_cast<int>(level) + std::min(work, LevelSpan - 1)};
}

Rating rate(const Board& board, bool knownUnique) {
    return rate(solveLogically(board, {knownUnique, Level::Extreme}));
}

std::optional<Rating> rateUpTo(const Board& board, Level ceiling, bool knownUnique) {
    const Rating rating =
        rate(solveLogically(board, {knownUnique, std::min(ceiling, Level::Extreme)}));
    if (rating.level > ceiling)
        return std::nullopt;
    return rating;
}

} // namespace engine
