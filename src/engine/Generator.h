// The generator: puzzles with exactly one solution, made from a random full
// grid by taking givens away for as long as the solution stays unique. A seed
// gives the same puzzles on every platform.
#pragma once

#include "engine/Grid.h"
#include "engine/Random.h"

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

} // namespace engine
