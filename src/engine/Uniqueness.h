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
// Type 2: two or three corners hold {a, b} and one more digit, the same c in each:
// one of them is c, so c goes from every cell seeing all of them.
std::optional<Step> findUniqueRectangle2(const Candidates& marks, bool knownUnique);
// Type 4: the two roof corners share a unit where a has no other place: one of
// them is a, and the other then cannot be b, so b goes from both.
std::optional<Step> findUniqueRectangle4(const Candidates& marks, bool knownUnique);

} // namespace engine
