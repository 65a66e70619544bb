// Forcing chains from a table of how far each single candidate's implications
// reach: all singles are walked at once, then every cell and unit is checked
// against the table.
#include "engine/Forcing.h"

#include "engine/AllWalks.h"

#include <limits>

namespace engine {

namespace {

// Longer branches are not followed: it bounds the search and keeps each branch
// short enough to read.
constexpr int MaxBranchLinks = 9;
constexpr std::uint8_t Unreached = 0xFF;

// The candidates one of which is true: those of a cell, or a digit's places in
// a unit (`unit` -1 for a cell).
struct Start {
    std::vector<int> nodes;
    int unit = -1;
};

std::vector<Start> startsOf(const Candidates& marks, const LinkGraph& graph) {
    std::vector<Start> starts;
    for (int cell = 0; cell < Cells; ++cell) {
        if (marks.at(cell) == 0)
            continue;
        Start start;
        for (Digits rest = marks.at(cell); rest != 0; rest &= rest - 1)
            start.nodes.push_back(graph.singleNode(cell, firstDigit(rest)));
        starts.push_back(std::move(start));
    }
    for (int unit = 0; unit < Units; ++unit)
        for (int digit = 1; digit <= 9; ++digit) {
            Start start{{}, unit};
            for (int cell : UnitTable[unit])
                if (marks.has(cell, digit))
                    start.nodes.push_back(graph.singleNode(cell, digit));
            if (start.nodes.size() >= 2)
                starts.push_back(std::move(start));
        }
    return starts;
}

// The best conclusion so far: its start, the state every branch reaches, and the
// longest and total branch lengths.
struct Best {
    int start = -1;
    int state = -1;
    int longest = std::numeric_limits<int>::max();
    int total = 0;
};

class ForcingSearch {
public:
    explicit ForcingSearch(const Candidates& marks)
        : marks_(marks),
          graph_(marks, {.cellStrong = true, .unitStrong = true, .cellWeak = true, .groups = true}),
          walk_(graph_), singles_(graph_.singleCount()),
          reach_(static_cast<std::size_t>(singles_) * 2 * singles_, Unreached),
          reached_(singles_, 2 * singles_) {}

    std::optional<Step> run() {
        tabulateReach();
        const std::vector<Start> starts = startsOf(marks_, graph_);
        Best best;
        for (std::size_t i = 0; i < starts.size(); ++i)
            forEachReachedByAll(starts[i], [&](int state) {
                consider(starts[i], static_cast<int>(i), state, best);
            });
        if (best.start < 0)
            return std::nullopt;
        return stepOf(starts[best.start], best.state);
    }

private:
    // Every single's walk at once, a link at a time.
    void tabulateReach() {
        std::vector<int> starts;
        for (int node = 0; node < singles_; ++node)
            starts.push_back(ImplicationWalk::stateOf(node, true));
        AllWalks walks(graph_, starts);
        for (int links = 1; links <= MaxBranchLinks && walks.moving(); ++links)
            walks.advance([&](int state, const std::uint64_t* walkers) {
                if (state / 2 >= singles_)
                    return;
                for (int i = 0; i < walks.walkWords(); ++i)
                    for (std::uint64_t rest = walkers[i]; rest != 0; rest &= rest - 1) {
                        const int node = 64 * i + std::countr_zero(rest);
                        reach_[index(node, state)] = static_cast<std::uint8_t>(links);
                        reached_.insert(node, state);
                    }
            });
    }

    std::size_t index(int node, int state) const {
        return static_cast<std::size_t>(node) * 2 * singles_ + state;
    }

    // Calls f(state) for every state each node of the start reaches, in order.
    template <typename F>
    void forEachReachedByAll(const Start& start, F f) const {
        const int words = reached_.words();
        std::vector<std::uint64_t> common(reached_.row(start.nodes.front()),
                                          reached_.row(start.nodes.front()) + words);
        for (int node : start.nodes)
            for (int i = 0; i < words; ++i)
                common[i] &= reached_.row(node)[i];
        for (int i = 0; i < words; ++i)
            for (std::uint64_t rest = common[i]; rest != 0; rest &= rest - 1)
                f(64 * i + std::countr_zero(rest));
    }

    void consider(const Start& start, int position, int state, Best& best) const {
        int longest = 0;
        int total = 0;
        for (int node : start.nodes) {
            if (node == state / 2)
                return;
            const int links = reach_[index(node, state)];
            if (links == Unreached)
                return;
            longest = std::max(longest, links);
            total += links;
        }
        if (longest < best.longest || (longest == best.longest && total < best.total))
            best = {position, state, longest, total};
    }

    Step stepOf(const Start& start, int state) {
        Step step;
        step.technique = Technique::ForcingChain;
        const ChainNode& end = graph_.node(state / 2);
        ((state & 1) != 0 ? step.placements : step.eliminations)
            .push_back(candidate(end.cell, end.digit));
        if (start.unit >= 0)
            step.units.push_back(static_cast<std::uint8_t>(start.unit));
        for (std::size_t branch = 0; branch < start.nodes.size(); ++branch) {
            walk_.walk(ImplicationWalk::stateOf(start.nodes[branch], true), MaxBranchLinks,
                       [&](int reached) { return reached == state; });
            appendChain(step, marks_, graph_, walk_, walk_.path(state), static_cast<int>(branch));
        }
        return step;
    }

    const Candidates& marks_;
    LinkGraph graph_;
    ImplicationWalk walk_;
    int singles_;
    std::vector<std::uint8_t> reach_;
    // The states each single's walk reaches, a bit each.
    NodeSets reached_;
};

} // namespace

std::optional<Step> findForcingChain(const Candidates& marks) {
    return ForcingSearch(marks).run();
}

} // namespace engine
