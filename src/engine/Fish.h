// Fish: N rows in which a digit's places lie in only N columns (or N columns
// whose places lie in N rows); the digit then goes from the rest of those
// columns. X-wing N = 2, swordfish 3, jellyfish 4.
#pragma once

#include "engine/Candidates.h"
#include "engine/Step.h"

#include <optional>

namespace engine {

// A fish of `size` (2-4; none for another size) lines, looked for digit by digit, rows as the base
// before columns. Proof: the digit's candidates in the base lines; units: the
// base lines, then the cover lines.
std::optional<Step> findFish(const Candidates& marks, int size);

std::optional<Step> findXWing(const Candidates& marks);
std::optional<Step> findSwordfish(const Candidates& marks);
std::optional<Step> findJellyfish(const Candidates& marks);

} // namespace engine
