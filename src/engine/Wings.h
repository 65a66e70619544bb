// Wings: two or three bivalue cells around a pivot, or joined by a strong link,
// that take a digit from every cell seeing all of their ends.
#pragma once

#include "engine/Candidates.h"
#include "engine/Step.h"

#include <optional>

namespace engine {

// A pivot with candidates {x, y} seeing pincers {x, z} and {y, z}: one pincer is
// z, so z goes from every cell seeing both. Proof: the pivot's candidates, then
// each pincer's (the one sharing x first). None when no xy-wing eliminates.
std::optional<Step> findXYWing(const Candidates& marks);
// A pivot {x, y, z} seeing pincers {x, z} and {y, z}: z goes from every cell
// seeing all three. Proof: pivot, then pincers, as for the xy-wing.
std::optional<Step> findXYZWing(const Candidates& marks);
// Two bivalue cells {x, y} that do not see each other, joined by a unit where x
// has only two places, one seen by each cell: one of them is y, so y goes from
// every cell seeing both. Proof, in chain order: (y) first cell, (x) first cell,
// the two places of x, (x) second cell, (y) second cell.
std::optional<Step> findWWing(const Candidates& marks);

} // namespace engine
