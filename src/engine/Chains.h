// Alternating inference chains: candidates joined by links that alternate
// strong (at least one of the two is true) and weak (at most one is), starting
// and ending with a strong link, so at least one of the two ends is true and a
// candidate that sees both ends is false. A chain that comes back to its start
// proves the start true.
//
// Every finder returns the shortest chain that eliminates or places something
// (ties: the lower start node, then breadth-first order), up to a fixed length,
// or none. Proof: the chain's nodes from one end to the other, their sizes in
// nodeSizes (an almost locked set stands between the two nodes it links);
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
// As the aic, with groups as nodes: a digit's places in a box-line crossing.
std::optional<Step> findGroupedAic(const Candidates& marks);
// As the grouped aic, with strong links through almost locked sets of 2 to 4
// cells: without one digit the set would be locked, so it holds each other one.
std::optional<Step> findAlsChain(const Candidates& marks);

} // namespace engine
