// How hard a puzzle is: the level of the hardest technique its logical solution
// needs, and a score for sorting puzzles.
//
// The score is 10000 x the level (easy 0, medium 1, hard 2, expert 3, extreme 4,
// beyond 5) plus the sum over the solution's steps of each technique's weight,
// capped at 9999. A technique's weight is its place in the list of Step.h,
// counting from 1 (hidden single 1, naked single 2, pointing 3, ... forcing chain
// 26, dynamic forcing chain 27, nested forcing chain 28), so a puzzle scores
// more the more and the harder steps it takes, and a higher score never means
// an easier level. Extreme puzzles need the dynamic or nested forcing chains;
// beyond is left for boards the stepper cannot finish, those with no solution or
// several (and, when not known to be unique, puzzles that need nested chains).
// For a beyond board the sum counts the steps made before the stepper got
// stuck.
#pragma once

#include "engine/Grid.h"
#include "engine/Stepper.h"

#include <optional>

namespace engine {

struct Rating {
    Level level = Level::Easy;
    int score = 0;
    friend bool operator==(const Rating&, const Rating&) = default;
};

// The rating of a solution the stepper has made.
Rating rate(const LogicalSolution& solution);
// The rating of `board`. `knownUnique`: the board is known to have one solution,
// which lets unique rectangle and nested chains take part.
Rating rate(const Board& board, bool knownUnique = false);
// The rating of `board` when it is at most `ceiling`; none as soon as a step
// above `ceiling` is needed (or, below beyond, when the stepper gets stuck).
// Cheaper than rate for low ceilings: the harder techniques are never tried.
std::optional<Rating> rateUpTo(const Board& board, Level ceiling, bool knownUnique = false);

} // namespace engine
