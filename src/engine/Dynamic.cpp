// Dynamic forcing chains: every candidate is followed assumed true, remembering
// the round each fact came in; conclusions are read off the branches' ends, and
// only the winner is followed again, traced, to give its links.
#include "engine/Dynamic.h"

#include "engine/Trace.h"

#include <algorithm>
#include <limits>
#include <memory>

namespace engine {

namespace {

constexpr std::uint8_t Unmade = 0xFF;

// The round in which each candidate became true or false.
class Rounds {
public:
    static constexpr bool wantsBefore = false;
    Rounds() { made_.fill(Unmade); }
    void placed(const Scene&, int cell, int digit, bool) { mark(cell, digit); }
    void eliminated(CellSet cells, int digit, int, int) {
        cells.forEach([&](int cell) { mark(cell, digit); });
    }
    void nested(const Scene&, int cell, int digit, int) { mark(cell, digit); }
    void conflict(const Conflict&) {}
    void nextRound() { round_ = static_cast<std::uint8_t>(std::min(round_ + 1, Unmade - 1)); }

    int round() const { return round_; }
    int madeIn(int cell, int digit) const { return made_[cell * 9 + digit - 1]; }

private:
    void mark(int cell, int digit) { made_[cell * 9 + digit - 1] = round_; }

    std::array<std::uint8_t, Cells * 9> made_;
    std::uint8_t round_ = 1;
};

// Where the assumption of one candidate leads, a round at a time.
struct Branch {
    Scene end;
    Rounds rounds;
    propagation::Progress progress = propagation::Progress::Moved;
};

// Every candidate of the marks assumed and settled by singles: where a deeper
// search starts its branches, and its probes' shortcuts.
struct Settled {
    std::vector<Branch> branches;
    Shortcuts shortcuts; // points into `branches`

    Settled(const Settled&) = delete;
    Settled& operator=(const Settled&) = delete;

    Settled(const Scene& start, const std::vector<CellDigit>& candidates)
        : branches(candidates.size()) {
        shortcuts.ends.assign(Cells * 9, nullptr);
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            Branch& branch = branches[i];
            branch.end = start;
            placeDigit(branch.end, branch.rounds, candidates[i].cell, candidates[i].digit);
            if (!propagation::settle(branch.end, 1, branch.rounds)) {
                branch.progress = propagation::Progress::Conflict;
                continue;
            }
            shortcuts.ends[candidates[i].cell * 9 + candidates[i].digit - 1] = &branch.end;
        }
    }
};

std::vector<CellDigit> candidatesOf(const Candidates& marks) {
    std::vector<CellDigit> candidates;
    for (int cell = 0; cell < Cells; ++cell)
        appendCandidates(candidates, cell, marks.at(cell));
    return candidates;
}

enum class Kind : std::uint8_t { Conflict, Cell, Unit };

// Candidates one of which is true: a cell's, or a digit's places in a unit.
struct Group {
    Kind kind;
    int unit;
    std::vector<int> starts; // indices into the candidates
};

// A conclusion: its kind and starts, the candidate it makes true or false, and
// its longest and total rounds.
struct Conclusion {
    Kind kind = Kind::Cell;
    std::vector<int> starts;
    int unit = NoUnit;
    CellDigit target;
    bool isTrue = false;
    int longest = std::numeric_limits<int>::max();
    int total = 0;
};

// All branches are taken one round further at a time, so the first round by
// which anything is concluded gives the simplest conclusions, and no branch
// is followed further than that.
class DynamicSearch {
public:
    // A search deeper than singles starts from `settled`, made from the same
    // marks.
    DynamicSearch(const Candidates& marks, Technique technique, int depth,
                  const Settled* settled = nullptr)
        : start_(Scene::of(marks)), technique_(technique), depth_(depth),
          candidates_(candidatesOf(marks)), settled_(settled) {
        addGroups();
    }

    std::optional<Step> run() {
        // Marks that hold a contradiction already make every assumption one.
        Scene start = start_;
        if (propagation::singlesOf(start).conflict)
            return std::nullopt;
        for (std::size_t i = 0; i < candidates_.size(); ++i) {
            branches_.push_back(std::make_unique<Branch>());
            Branch& branch = *branches_.back();
            if (settled_ != nullptr) {
                branch = settled_->branches[i];
                if (branch.progress != propagation::Progress::Conflict)
                    branch.progress = propagation::Progress::Moved;
                continue;
            }
            branch.end = start_;
            placeDigit(branch.end, branch.rounds, candidates_[i].cell, candidates_[i].digit);
        }
        for (int round = 1;; ++round) {
            const bool moving = advanceTo(round);
            considerConflicts();
            for (const Group& group : groups_)
                considerCommon(group);
            if (!best_.starts.empty())
                return stepOf(best_);
            if (!moving)
                return std::nullopt;
        }
    }

private:
    // Cells in order, then units and digits in order; the candidates come in
    // cell order, so each group's starts do too.
    void addGroups() {
        std::array<std::vector<int>, Cells> ofCell;
        std::array<std::vector<int>, Units * 9> ofUnit;
        for (int i = 0; i < static_cast<int>(candidates_.size()); ++i) {
            const CellDigit candidate = candidates_[i];
            ofCell[candidate.cell].push_back(i);
            for (int unit : unitsOf(candidate.cell))
                ofUnit[unit * 9 + candidate.digit - 1].push_back(i);
        }
        for (auto& starts : ofCell)
            addGroup(Kind::Cell, NoUnit, std::move(starts));
        for (int slot = 0; slot < Units * 9; ++slot)
            addGroup(Kind::Unit, slot / 9, std::move(ofUnit[slot]));
    }

    void addGroup(Kind kind, int unit, std::vector<int> starts) {
        if (starts.size() >= 2)
            groups_.push_back({kind, unit, std::move(starts)});
    }

    // True while some branch has further to go.
    bool advanceTo(int round) {
        bool moving = false;
        for (const auto& branch : branches_) {
            while (branch->progress == propagation::Progress::Moved &&
                   branch->rounds.round() <= round)
                branch->progress =
                    propagation::advance(branch->end, depth_, branch->rounds,
                                         settled_ != nullptr ? &settled_->shortcuts : nullptr);
            moving = moving || branch->progress == propagation::Progress::Moved;
        }
        return moving;
    }

    void offer(Conclusion conclusion) {
        if (conclusion.longest < best_.longest ||
            (conclusion.longest == best_.longest && conclusion.total < best_.total))
            best_ = std::move(conclusion);
    }

    void considerConflicts() {
        for (int i = 0; i < static_cast<int>(candidates_.size()); ++i)
            if (branches_[i]->progress == propagation::Progress::Conflict) {
                const int rounds = branches_[i]->rounds.round();
                offer({Kind::Conflict, {i}, NoUnit, candidates_[i], false, rounds, rounds});
            }
    }

    // What every start of the group makes true or false alike; a start that
    // reaches a contradiction is a conclusion of its own.
    void considerCommon(const Group& group) {
        const auto& starts = group.starts;
        if (std::any_of(starts.begin(), starts.end(), [&](int i) {
                return branches_[i]->progress == propagation::Progress::Conflict;
            }))
            return;
        for (int digit = 1; digit <= 9; ++digit) {
            CellSet allTrue = AllCells;
            CellSet anyLeft;
            for (int i : starts) {
                const Scene& end = branches_[i]->end;
                allTrue = allTrue & end.places[digit - 1] & end.filled;
                anyLeft = anyLeft | end.places[digit - 1];
            }
            const CellSet open = start_.places[digit - 1].without(start_.filled);
            (allTrue & open).forEach([&](int cell) {
                offer(common(group, candidate(cell, digit), true));
            });
            open.without(anyLeft).forEach(
                [&](int cell) { offer(common(group, candidate(cell, digit), false)); });
        }
    }

    Conclusion common(const Group& group, CellDigit target, bool isTrue) const {
        Conclusion conclusion{group.kind, group.starts, group.unit, target, isTrue, 0, 0};
        for (int i : group.starts) {
            const int made = branches_[i]->rounds.madeIn(target.cell, target.digit);
            conclusion.longest = std::max(conclusion.longest, made);
            conclusion.total += made;
        }
        return conclusion;
    }

    Step stepOf(const Conclusion& conclusion) const {
        Step step;
        step.technique = technique_;
        (conclusion.isTrue ? step.placements : step.eliminations).push_back(conclusion.target);
        if (conclusion.kind == Kind::Conflict) {
            Trace trace(start_);
            traceBranch(trace, conclusion.target);
            trace.appendLinksToConflict(0, step.links);
            const std::vector<CellDigit> lost = trace.conflictCandidates();
            step.proof.push_back(conclusion.target);
            step.proof.insert(step.proof.end(), lost.begin(), lost.end());
            step.nodeSizes = {1, static_cast<std::uint8_t>(lost.size())};
            return step;
        }
        if (conclusion.kind == Kind::Unit)
            step.units.push_back(static_cast<std::uint8_t>(conclusion.unit));
        for (std::size_t branch = 0; branch < conclusion.starts.size(); ++branch) {
            const CellDigit start = candidates_[conclusion.starts[branch]];
            step.proof.push_back(start);
            Trace trace(start_);
            traceBranch(trace, start);
            trace.appendLinksTo(conclusion.target.cell, conclusion.target.digit, conclusion.isTrue,
                                static_cast<int>(branch), step.links);
        }
        return step;
    }

    void traceBranch(Trace& trace, CellDigit assumed) const {
        Scene scene = start_;
        trace.assume(assumed.cell, assumed.digit, true);
        placeDigit(scene, trace, assumed.cell, assumed.digit);
        propagation::settle(scene, depth_, trace);
    }

    Scene start_;
    Technique technique_;
    int depth_;
    std::vector<CellDigit> candidates_;
    const Settled* settled_;
    std::vector<Group> groups_;
    std::vector<std::unique_ptr<Branch>> branches_;
    Conclusion best_;
};

} // namespace

std::optional<Step> findDynamicForcingChain(const Candidates& marks) {
    return DynamicSearch(marks, Technique::DynamicForcingChain, 1).run();
}

std::optional<Step> findNestedForcingChain(const Candidates& marks, bool knownUnique) {
    if (!knownUnique)
        return std::nullopt;
    const Settled settled(Scene::of(marks), candidatesOf(marks));
    for (int depth = 2; depth <= marks.emptyCells(); ++depth)
        if (auto step = DynamicSearch(marks, Technique::NestedForcingChain, depth, &settled).run())
            return step;
    return std::nullopt;
}

} // namespace engine
