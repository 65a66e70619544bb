// The stepper's table of finders and its walk to the end of a puzzle.
#include "engine/Stepper.h"

#include "engine/Chains.h"
#include "engine/Colouring.h"
#include "engine/Dynamic.h"
#include "engine/Fish.h"
#include "engine/Forcing.h"
#include "engine/LockedCandidates.h"
#include "engine/Singles.h"
#include "engine/Subsets.h"
#include "engine/Uniqueness.h"
#include "engine/Wings.h"

#include <array>

namespace engine {

namespace {

using Finder = std::optional<Step> (*)(const Candidates&, const StepOptions&);

// Adapts a finder that needs nothing but the marks.
template <std::optional<Step> (*find)(const Candidates&)>
std::optional<Step> onMarks(const Candidates& marks, const StepOptions&) {
    return find(marks);
}

// Adapts a finder that rests on the puzzle having one solution.
template <std::optional<Step> (*find)(const Candidates&, bool)>
std::optional<Step> onUniqueMarks(const Candidates& marks, const StepOptions& options) {
    return find(marks, options.knownUnique);
}

struct FinderSlot {
    Technique technique;
    Finder find;
};

// One row per technique, in the order of Technique.
constexpr std::array Finders = {
    FinderSlot{Technique::HiddenSingle, onMarks<findHiddenSingle>},
    FinderSlot{Technique::NakedSingle, onMarks<findNakedSingle>},
    FinderSlot{Technique::Pointing, onMarks<findPointing>},
    FinderSlot{Technique::Claiming, onMarks<findClaiming>},
    FinderSlot{Technique::NakedPair, onMarks<findNakedPair>},
    FinderSlot{Technique::HiddenPair, onMarks<findHiddenPair>},
    FinderSlot{Technique::XWing, onMarks<findXWing>},
    FinderSlot{Technique::NakedTriple, onMarks<findNakedTriple>},
    FinderSlot{Technique::HiddenTriple, onMarks<findHiddenTriple>},
    FinderSlot{Technique::XYWing, onMarks<findXYWing>},
    FinderSlot{Technique::SimpleColouring, onMarks<findSimpleColouring>},
    FinderSlot{Technique::NakedQuad, onMarks<findNakedQuad>},
    FinderSlot{Technique::HiddenQuad, onMarks<findHiddenQuad>},
    FinderSlot{Technique::Swordfish, onMarks<findSwordfish>},
    FinderSlot{Technique::XYZWing, onMarks<findXYZWing>},
    FinderSlot{Technique::WWing, onMarks<findWWing>},
    FinderSlot{Technique::Jellyfish, onMarks<findJellyfish>},
    FinderSlot{Technique::UniqueRectangle, onUniqueMarks<findUniqueRectangle>},
    FinderSlot{Technique::UniqueRectangle2, onUniqueMarks<findUniqueRectangle2>},
    FinderSlot{Technique::UniqueRectangle4, onUniqueMarks<findUniqueRectangle4>},
    FinderSlot{Technique::XChain, onMarks<findXChain>},
    FinderSlot{Technique::XYChain, onMarks<findXYChain>},
    FinderSlot{Technique::Aic, onMarks<findAic>},
    FinderSlot{Technique::GroupedAic, onMarks<findGroupedAic>},
    FinderSlot{Technique::AlsChain, onMarks<findAlsChain>},
    FinderSlot{Technique::ForcingChain, onMarks<findForcingChain>},
    FinderSlot{Technique::DynamicForcingChain, onMarks<findDynamicForcingChain>},
    FinderSlot{Technique::NestedForcingChain, onUniqueMarks<findNestedForcingChain>},
};

static_assert(
    [] {
        for (std::size_t i = 0; i < Finders.size(); ++i)
            if (static_cast<std::size_t>(Finders[i].technique) != i)
                return false;
        return Finders.size() == static_cast<std::size_t>(Technique::NestedForcingChain) + 1;
    }(),
    "the finders follow the order of Technique, one row each");

bool isValidSolution(const Board& board) {
    for (const UnitCells& unit : UnitTable) {
        Digits seen = 0;
        for (int cell : unit)
            if (board[cell] != 0)
                seen |= digitBit(board[cell]);
        if (seen != AllDigits)
            return false;
    }
    return true;
}

} // namespace

std::optional<Step> nextStep(const Candidates& marks, const StepOptions& options) {
    // A filled board has no candidate left to take; the finders would each set
    // up their search for nothing.
    if (marks.solved())
        return std::nullopt;
    for (const FinderSlot& slot : Finders) {
        if (levelOf(slot.technique) > options.hardest)
            continue;
        if (auto step = slot.find(marks, options))
            return step;
    }
    return std::nullopt;
}

bool apply(Candidates& marks, const Step& step) {
    bool changed = false;
    for (const CellDigit& placement : step.placements) {
        if (marks.digit(placement.cell) == 0) {
            marks.place(placement.cell, placement.digit);
            changed = true;
        }
    }
    for (const CellDigit& elimination : step.eliminations)
        changed = marks.eliminate(elimination.cell, elimination.digit) || changed;
    return changed;
}

LogicalSolution solveLogically(const Board& board, const StepOptions& options) {
    LogicalSolution solution{{}, false, Candidates(board)};
    while (auto step = nextStep(solution.end, options)) {
        if (!apply(solution.end, *step))
            break;
        solution.steps.push_back(std::move(*step));
    }
    solution.solved = solution.end.solved() && isValidSolution(solution.end.board());
    return solution;
}

} // namespace engine
