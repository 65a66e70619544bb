// Forcing chains: a cell holds one of its candidates and a unit holds a digit in
// one of its places, so whatever follows from every one of them holds.
#pragma once

#include "engine/Candidates.h"
#include "engine/Step.h"

#include <optional>

namespace engine {

// Starting from each candidate of a cell (cells in order), or each place of a
// digit in a unit (units, then digits, in order), and following the links of a
// grouped aic up to a fixed length: a candidate that every start makes false
// goes, one that every start makes true is placed. The step with the shortest
// longest branch wins (ties: the shorter branches in all, then the earlier
// start). Proof: one chain per start, from the start to the concluded candidate,
// its nodes sized in nodeSizes; units: for a unit's places that unit first, then
// the units of the links. None when nothing follows from every start.
std::optional<Step> findForcingChain(const Candidates& marks);

} // namespace engine
