// Locked candidates: where a digit's places in one unit all lie in another.
#pragma once

#include "engine/Candidates.h"
#include "engine/Step.h"

#include <optional>

namespace engine {

// Pointing: a digit whose places in a box lie in one row or column goes from
// the rest of that line. Proof: the digit's candidates in the box; units: the
// box, then the line.
std::optional<Step> findPointing(const Candidates& marks);
// Claiming: a digit whose places in a row or column lie in one box goes from
// the rest of that box. Proof: the digit's candidates in the line; units: the
// line, then the box.
std::optional<Step> findClaiming(const Candidates& marks);

} // namespace engine
