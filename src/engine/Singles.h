// Singles: a digit with one place left in a unit, a cell with one digit left.
#pragma once

#include "engine/Candidates.h"
#include "engine/Step.h"

#include <optional>

namespace engine {

// A digit that has a single place in a unit goes there. Proof: that candidate;
// units: that unit.
std::optional<Step> findHiddenSingle(const Candidates& marks);
// An empty cell with a single candidate takes it. Proof: that candidate; no units.
std::optional<Step> findNakedSingle(const Candidates& marks);

} // namespace engine
