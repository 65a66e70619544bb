// The generator: puzzles with exactly one solution, made from a random full
// grid by taking givens away for as long as the solution stays unique, and kept
// when the rating gives the level asked for. A seed gives the same puzzles on
// every platform. Nothing here keeps state: each caller owns its Random.
#pragma once

#include "engine/Grid.h"
#include "engine/Random.h"
#include "engine/Step.h"

#include <atomic>
#include <chrono>
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

// How long puzzleAtLevel tries, unless told otherwise, before it gives up: far
// longer than any level takes, short enough for someone waiting at a window.
inline constexpr std::chrono::seconds GiveUpAfter{30};

// A puzzle with one solution and givens that follow the symmetry, minimal (no
// given can be taken away with its partner without a second solution), whose
// rating (Rating.h, the puzzle known to be unique) is exactly `level`. None once
// `cancel` is set or `giveUpAfter` has passed, both checked between attempts of
// a few milliseconds, so a worker thread stops soon. The same Random state and
// arguments give the same puzzle.
std::optional<Board> puzzleAtLevel(Random& random, Level level, Symmetry symmetry,
                                   const std::atomic<bool>& cancel,
                                   std::chrono::steady_clock::duration giveUpAfter = GiveUpAfter);

} // namespace engine
