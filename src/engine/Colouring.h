// Simple colouring: the cells joined by conjugate pairs of one digit (units
// where it has only two places) take two colours, one of which is the digit.
#pragma once

#include "engine/Candidates.h"
#include "engine/Step.h"

#include <optional>

namespace engine {

// Digits from 1 up, clusters from their lowest cell; a colour wrap (two cells of
// one colour share a unit, so that colour is false everywhere) before a colour
// trap (a cell outside the cluster sees both colours, so it cannot hold the
// digit). Proof: two nodes, the colour of the cluster's lowest cell, then the
// other colour, each in cell order. Units: for a wrap the unit holding two cells
// of one colour first, then the units of the cluster's conjugate pairs. None
// when no cluster eliminates anything.
std::optional<Step> findSimpleColouring(const Candidates& marks);

} // namespace engine
