// Dynamic forcing chains: a candidate assumed true and everything that follows
// from it, round after round, with the board changing as it goes: each round
// places every naked and hidden single of the marks the assumption has left.
// So a chain may rest on several earlier facts at once (a net).
//
// A step is the simplest of these conclusions, by the rounds its longest
// branch takes (ties: its branches' rounds in all, then the order below):
//   - a candidate whose assumption reaches a contradiction (a cell without a
//     digit, a digit without a place in a unit) goes (cell, digit order);
//   - whatever every candidate of a cell makes true or false holds (cells in
//     order), and so does whatever every place of a digit in a unit does
//     (units, then digits, in order).
// The step's links are the part of the net its conclusion rests on, one branch
// per start. Proof: for a contradiction, the assumed candidate and the
// candidates whose loss is the contradiction (nodeSizes 1 and their number);
// otherwise the starts, the unit of a unit's places in units.
#pragma once

#include "engine/Candidates.h"
#include "engine/Step.h"

#include <optional>

namespace engine {

// Chains followed with singles only.
std::optional<Step> findDynamicForcingChain(const Candidates& marks);
// Chains whose rounds also take away, once singles stop, every candidate whose
// own assumption reaches a contradiction by the chains one level down: depth 2
// first (dynamic chains inside), then deeper until one concludes, which on a
// puzzle with one solution some depth does. Tried only when `knownUnique`: on
// a board of many solutions the search is long and finds nothing.
std::optional<Step> findNestedForcingChain(const Candidates& marks, bool knownUnique);

} // namespace engine
