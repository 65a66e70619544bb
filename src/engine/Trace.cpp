// Recording a settling's facts and walking back from a conclusion to the facts
// it needs.
#include "engine/Trace.h"

namespace engine {

namespace {

// The unit in which `cell` was the only place of `digit`, rows first.
std::uint8_t hiddenSingleUnit(const Scene& before, int cell, int digit) {
    for (int unit : unitsOf(cell))
        if ((before.places[digit - 1] & UnitSets[unit]) == CellSet::of(cell))
            return static_cast<std::uint8_t>(unit);
    return NoUnit;
}

} // namespace

Trace::Trace(const Scene& origin, Trace* outer) : origin_(origin), outer_(outer) {
    index_.fill(-1);
}

int Trace::add(int cell, int digit, bool isTrue, std::uint8_t unit, std::vector<Parent> parents) {
    const int id = static_cast<int>(facts_.size());
    facts_.push_back({candidate(cell, digit), isTrue, unit, std::move(parents), nullptr, false});
    index_[slot(cell, digit, isTrue)] = static_cast<std::int16_t>(id);
    return id;
}

void Trace::assume(int cell, int digit, bool isTrue) {
    add(cell, digit, isTrue, NoUnit, {});
}

std::optional<Trace::Parent> Trace::lossOf(int cell, int digit) {
    for (Trace* trace = this; trace != nullptr; trace = trace->outer_)
        if (const int fact = trace->index_[slot(cell, digit, false)]; fact >= 0)
            return Parent{trace, fact};
    return std::nullopt;
}

std::vector<Trace::Parent> Trace::lossesOf(const std::vector<CellDigit>& candidates) {
    std::vector<Parent> parents;
    for (const CellDigit& gone : candidates)
        if (const auto parent = lossOf(gone.cell, gone.digit))
            parents.push_back(*parent);
    return parents;
}

void Trace::placed(const Scene& before, int cell, int digit, bool naked) {
    std::vector<CellDigit> gone;
    std::uint8_t unit = NoUnit;
    if (naked) {
        for (int other = 1; other <= 9; ++other)
            if (other != digit && origin_.has(cell, other))
                gone.push_back(candidate(cell, other));
    } else {
        unit = hiddenSingleUnit(before, cell, digit);
        if (unit != NoUnit)
            appendCells(gone,
                        (origin_.places[digit - 1] & UnitSets[unit]).without(CellSet::of(cell)),
                        digit);
    }
    add(cell, digit, true, unit, lossesOf(gone));
}

void Trace::eliminated(CellSet cells, int digit, int cell, int cellDigit) {
    const Parent cause{this, index_[slot(cell, cellDigit, true)]};
    cells.forEach([&](int lost) {
        const int shared = lost == cell ? -1 : sharedUnit(lost, cell);
        add(lost, digit, false, shared < 0 ? NoUnit : static_cast<std::uint8_t>(shared), {cause});
    });
}

void Trace::nested(const Scene& scene, int cell, int digit, int depth) {
    auto inner = std::make_unique<Trace>(origin_, this);
    inner->assume(cell, digit, true);
    Scene probe = scene;
    placeDigit(probe, *inner, cell, digit);
    propagation::settle(probe, depth, *inner);
    const int id = add(cell, digit, false, NoUnit, {});
    facts_[id].nested = std::move(inner);
}

void Trace::conflict(const Conflict& conflict) {
    conflict_ = conflict;
}

std::vector<CellDigit> Trace::conflictCandidates() const {
    std::vector<CellDigit> candidates;
    if (!conflict_)
        return candidates;
    if (conflict_->unit == NoUnit) {
        for (int digit = 1; digit <= 9; ++digit)
            if (origin_.has(conflict_->cell, digit))
                candidates.push_back(candidate(conflict_->cell, digit));
    } else {
        appendCells(candidates, origin_.places[conflict_->digit - 1] & UnitSets[conflict_->unit],
                    conflict_->digit);
    }
    return candidates;
}

void Trace::require(int fact) {
    Fact& wanted = facts_[fact];
    if (wanted.needed)
        return;
    wanted.needed = true;
    for (const Parent& parent : wanted.parents)
        parent.trace->require(parent.fact);
    if (wanted.nested)
        wanted.nested->requireConflict();
}

void Trace::requireConflict() {
    conflictNeeded_ = true;
    for (const Parent& parent : lossesOf(conflictCandidates()))
        parent.trace->require(parent.fact);
}

// A fact made by a probe has no links of its own: its nested chain, one level
// deeper, stands where they would.
void Trace::emit(int branch, int depth, std::vector<ChainLink>& links) const {
    const auto level = static_cast<std::uint8_t>(depth);
    const auto path = static_cast<std::uint8_t>(branch);
    for (const Fact& fact : facts_) {
        if (!fact.needed)
            continue;
        if (fact.nested)
            fact.nested->emit(branch, depth + 1, links);
        for (const Parent& parent : fact.parents) {
            const Fact& from = parent.trace->facts_[parent.fact];
            links.push_back({{from.candidate},
                             {fact.candidate},
                             !from.isTrue && fact.isTrue,
                             fact.unit,
                             path,
                             level});
        }
    }
    if (conflictNeeded_ && conflict_)
        links.push_back({conflictCandidates(), {}, false, conflict_->unit, path, level});
}

void Trace::appendLinksTo(int cell, int digit, bool isTrue, int branch,
                          std::vector<ChainLink>& links) {
    const int fact = index_[slot(cell, digit, isTrue)];
    if (fact < 0)
        return;
    require(fact);
    emit(branch, 0, links);
}

void Trace::appendLinksToConflict(int branch, std::vector<ChainLink>& links) {
    requireConflict();
    emit(branch, 0, links);
}

} // namespace engine
