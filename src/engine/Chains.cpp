// Chains found by walking the implications of "this node is false" from every
// node in turn; each walk stops at chains no shorter than the best so far.
#include "engine/Chains.h"

#include "engine/LinkGraph.h"

#include <algorithm>

namespace engine {

namespace {

// Longer chains are not looked for: it bounds the search, and a chain this long
// is past what a person follows.
constexpr int MaxLinks = 15;
// Almost locked sets of up to this many cells; larger ones found nothing more
// on the benchmark puzzles.
constexpr int MaxAlsCells = 4;

// What follows from "one of the two ends is true": the candidates weakly linked
// to both ends, or, when the chain comes back to its start, that start.
struct Conclusion {
    std::vector<CellDigit> placements;
    std::vector<CellDigit> eliminations;
};

Conclusion concludeFrom(const Candidates& marks, const DigitCells& byDigit, const ChainNode& start,
                        const ChainNode& end, bool loop) {
    Conclusion conclusion;
    if (loop && start.cell >= 0) {
        conclusion.placements.push_back(candidate(start.cell, start.digit));
    } else if (loop) {
        appendCells(conclusion.eliminations, start.seen & byDigit[start.digit - 1], start.digit);
    } else if (start.digit == end.digit) {
        appendCells(conclusion.eliminations, start.seen & end.seen & byDigit[start.digit - 1],
                    start.digit);
    } else if (start.cell >= 0 && start.cell == end.cell) {
        const Digits others = marks.at(start.cell) & ~(digitBit(start.digit) | digitBit(end.digit));
        appendCandidates(conclusion.eliminations, start.cell, others);
    } else {
        if (start.cell >= 0 && end.seen.contains(start.cell) && marks.has(start.cell, end.digit))
            conclusion.eliminations.push_back(candidate(start.cell, end.digit));
        if (end.cell >= 0 && start.seen.contains(end.cell) && marks.has(end.cell, start.digit))
            conclusion.eliminations.push_back(candidate(end.cell, start.digit));
    }
    return conclusion;
}

// A chain back to its start repeats only the start, at its end.
bool repeatsNode(const std::vector<int>& chain) {
    const std::size_t last =
        chain.front() / 2 == chain.back() / 2 ? chain.size() - 1 : chain.size();
    for (std::size_t i = 0; i < last; ++i)
        for (std::size_t j = i + 1; j < last; ++j)
            if (chain[i] / 2 == chain[j] / 2)
                return true;
    return false;
}

class ChainSearch {
public:
    ChainSearch(const Candidates& marks, Technique technique, const LinkRules& rules)
        : marks_(marks), technique_(technique), graph_(marks, rules), walk_(graph_),
          byDigit_(cellsByDigit(marks)) {}

    std::optional<Step> run() {
        for (int start = 0; start < graph_.size(); ++start)
            walk_.walk(ImplicationWalk::stateOf(start, false), bestLinks_ - 1,
                       [&](int state) { return (state & 1) != 0 && conclude(start, state); });
        return std::move(best_);
    }

private:
    // Takes the chain ending in `state` ("end true") as the best when it
    // concludes something and repeats no node.
    bool conclude(int start, int state) {
        Conclusion conclusion = concludeFrom(marks_, byDigit_, graph_.node(start),
                                             graph_.node(state / 2), start == state / 2);
        if (conclusion.placements.empty() && conclusion.eliminations.empty())
            return false;
        const std::vector<int> chain = walk_.path(state);
        if (repeatsNode(chain))
            return false;
        Step step;
        step.technique = technique_;
        step.placements = std::move(conclusion.placements);
        step.eliminations = std::move(conclusion.eliminations);
        appendChain(step, marks_, graph_, walk_, chain);
        best_ = std::move(step);
        bestLinks_ = walk_.links(state);
        return true;
    }

    const Candidates& marks_;
    Technique technique_;
    LinkGraph graph_;
    ImplicationWalk walk_;
    DigitCells byDigit_;
    std::optional<Step> best_;
    int bestLinks_ = MaxLinks + 1;
};

std::optional<Step> findChain(const Candidates& marks, Technique technique,
                              const LinkRules& rules) {
    return ChainSearch(marks, technique, rules).run();
}

} // namespace

std::optional<Step> findXChain(const Candidates& marks) {
    return findChain(marks, Technique::XChain, {.unitStrong = true});
}

std::optional<Step> findXYChain(const Candidates& marks) {
    return findChain(marks, Technique::XYChain, {.bivalueOnly = true, .cellStrong = true});
}

std::optional<Step> findAic(const Candidates& marks) {
    return findChain(marks, Technique::Aic,
                     {.cellStrong = true, .unitStrong = true, .cellWeak = true});
}

std::optional<Step> findGroupedAic(const Candidates& marks) {
    return findChain(marks, Technique::GroupedAic,
                     {.cellStrong = true, .unitStrong = true, .cellWeak = true, .groups = true});
}

std::optional<Step> findAlsChain(const Candidates& marks) {
    return findChain(marks, Technique::AlsChain,
                     {.cellStrong = true,
                      .unitStrong = true,
                      .cellWeak = true,
                      .groups = true,
                      .alsCells = MaxAlsCells});
}

} // namespace engine
