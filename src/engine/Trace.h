// The facts of one settling (Propagation.h) as a net: each candidate made true
// or false with the facts it follows from, so that the part of the net a
// conclusion rests on comes out as chain links, nested chains included.
#pragma once

#include "engine/Propagation.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace engine {

class Trace {
public:
    // A trace of a settling of the step's marks `origin`. A nested trace
    // (`outer` set) starts where its outer trace had got to: the candidates
    // gone by then are facts of the outer traces.
    explicit Trace(const Scene& origin, Trace* outer = nullptr);

    // The fact the settling starts from, before the caller makes it.
    void assume(int cell, int digit, bool isTrue);

    // The recorder of Propagation.h.
    static constexpr bool wantsBefore = true;
    void placed(const Scene& before, int cell, int digit, bool naked);
    void eliminated(CellSet cells, int digit, int cell, int cellDigit);
    void nested(const Scene& scene, int cell, int digit, int depth);
    void conflict(const Conflict& conflict);
    void nextRound() {}

    const std::optional<Conflict>& conflictFound() const { return conflict_; }
    // The candidates whose loss is the contradiction: a cell's or a unit's
    // places of a digit, as the step's marks had them.
    std::vector<CellDigit> conflictCandidates() const;

    // Appends the links of the part of the net that `digit` being (or not being)
    // in `cell` rests on, in the order the facts were made.
    void appendLinksTo(int cell, int digit, bool isTrue, int branch, std::vector<ChainLink>& links);
    // The same for the contradiction, ending in its link.
    void appendLinksToConflict(int branch, std::vector<ChainLink>& links);

private:
    struct Parent {
        Trace* trace;
        int fact;
    };
    struct Fact {
        CellDigit candidate;
        bool isTrue = false;
        std::uint8_t unit = NoUnit;
        std::vector<Parent> parents;
        // The chain that shows the candidate false, for a fact made by a probe.
        std::unique_ptr<Trace> nested;
        bool needed = false;
    };

    static std::size_t slot(int cell, int digit, bool isTrue) {
        return static_cast<std::size_t>(cell * 9 + digit - 1) * 2 + (isTrue ? 1 : 0);
    }
    int add(int cell, int digit, bool isTrue, std::uint8_t unit, std::vector<Parent> parents);
    // The fact that took the candidate away, here or in an outer trace.
    std::optional<Parent> lossOf(int cell, int digit);
    std::vector<Parent> lossesOf(const std::vector<CellDigit>& candidates);
    void require(int fact);
    void requireConflict();
    void emit(int branch, int depth, std::vector<ChainLink>& links) const;

    Scene origin_;
    Trace* outer_;
    std::vector<Fact> facts_;
    std::array<std::int16_t, Cells * 9 * 2> index_;
    std::optional<Conflict> conflict_;
    bool conflictNeeded_ = false;
};

} // namespace engine
