// The generator: puzzles with exactly one solution, made from a random full
// grid by taking givens away for as long as the solution stays unique, and kept
// when the rating gives the level asked for. A seed gives the same puzzles on
// every platform. Nothing here keeps state: each caller owns its Random.
#pragma once

#include "engine/Grid.h"
#include "engine/Random.h"
#include "engine/Step.h"

#include <optional>
#include <string_view>

namespace engine {

// Rotate180: a cell is a given exactly when the cell opposite it through the
// centre is one. None: givens anywhere.
enum class Symmetry : std::uint8_t { Rotate180, None };

// "rotate180", "none".
std::string_view symmetryName(Symmetry symmetry);
std::optional<Symmetry> symmetryNamed(std::string_view name);
// The cell that is a given together with `cell`: itself under None and for the
// centre.
int partnerOf(int cell, Symmetry symmetry);

// A puzzle with one solution and givens that follow the symmetry, minimal: no
// given can be taken away with its partner without a second solution.
Board minimalPuzzle(Random& random, Symmetry symmetry);

// A puzzle as minimalPuzzle makes them whose rating (Rating.h, the puzzle known
// to be unique) is exactly `level`. Each attempt makes and rates one minimal
// puzzle; none when `attempts` of them were all at other levels, so a caller
// that must be able to stop (a window's worker thread) asks for a few hundred
// at a time and checks between calls. The same Random state and arguments give
// the same puzzle.
std::optional<Board> generatePuzzle(Random& random, Level level, Symmetry symmetry, int attempts);

} // namespace engine
