// Naked and hidden subsets: N cells of a unit that hold only N digits between
// them, or N digits of a unit that fit only N of its cells (N = 2, 3, 4).
#pragma once

#include "engine/Candidates.h"
#include "engine/Step.h"

#include <optional>

namespace engine {

// Naked subset of `size` (2-4; none for another size) cells in a unit: their digits go from the
// unit's other cells. Proof: the candidates of the N cells; units: that unit.
std::optional<Step> findNakedSubset(const Candidates& marks, int size);
// Hidden subset of `size` (2-4; none for another size) digits in a unit: the N cells they fit lose
// their other candidates. Proof: the N digits' candidates in those cells;
// units: that unit.
std::optional<Step> findHiddenSubset(const Candidates& marks, int size);

std::optional<Step> findNakedPair(const Candidates& marks);
std::optional<Step> findHiddenPair(const Candidates& marks);
std::optional<Step> findNakedTriple(const Candidates& marks);
std::optional<Step> findHiddenTriple(const Candidates& marks);
std::optional<Step> findNakedQuad(const Candidates& marks);
std::optional<Step> findHiddenQuad(const Candidates& marks);

} // namespace engine
