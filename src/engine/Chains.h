// Alternating inference chains: candidates joined by links that alternate
// strong (at least one of the two is true) and weak (at most one is), starting
// and ending with a strong link, so at least one of the two ends is true and a
// candidate that sees both ends is false. A chain that comes back to its start
// proves the start true.
//
// Every finder returns the shortest chain that eliminates or places something
// (ties: the lower start candidate, then breadth-first order), up to a fixed
// length, or none. Proof: the chain's candidates from one end to the other;
// units: the units of its links between cells in chain order, each once.
#pragma once

#include "engine/Candidates.h"
#include "engine/Step.h"

#include <optional>

namespace engine {

// One digit: strong links are conjugate pairs, weak links any two places of the
// digit in one unit.
std::optional<Step> findXChain(const Candidates& marks);
// Bivalue cells only: strong links inside a cell, weak links between cells
// sharing a unit and a digit.
std::optional<Step> findXYChain(const Candidates& marks);
// Any mix of the links above, and weak links between two candidates of a cell.
std::optional<Step> findAic(const Candidates& marks);

} // namespace engine
