// Steps that rest on the puzzle having exactly one solution: four cells on two
// rows, two columns and two boxes must not end as a swappable pair of digits.
#pragma once

#include "engine/Candidates.h"
#include "engine/Step.h"

#include <optional>

namespace engine {

// Unique rectangle type 1: three corners hold only {a, b} and the fourth holds
// a, b and more, so the fourth is neither a nor b (else the two digits could
// swap round the rectangle). Rectangles by their top-left cell, then bottom-
// right. Proof: a and b of the three bivalue corners, then of the fourth.
// Always none when `knownUnique` is false: on a puzzle with several solutions
// the rectangle may be exactly what the solutions differ by.
std::optional<Step> findUniqueRectangle(const Candidates& marks, bool knownUnique);

} // namespace engine
