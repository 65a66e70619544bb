// Chains found by walking the implications of "this node is false" from every
// node: all walks advance together a link at a time, and a node is walked on
// its own, for its chain, once one of its ends is within reach.
#include "engine/Chains.h"

#include "engine/AllWalks.h"

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

// For every node, the nodes that conclude something with it as the other end
// of a chain (concludeFrom's cases), or a few more: a chain search skips a
// start only when no end of its can be near enough.
class EndsFor {
public:
    EndsFor(const Candidates& marks, const DigitCells& byDigit, const LinkGraph& graph)
        : marks_(marks), byDigit_(byDigit), graph_(graph), sets_(graph.size(), graph.size()),
          seers_(9 * Cells, graph.size()) {
        // seers_: for each digit and cell holding it, the nodes of the digit
        // whose every cell sees that cell.
        for (int id = 0; id < graph.size(); ++id) {
            const ChainNode& node = graph.node(id);
            (node.seen & byDigit[node.digit - 1]).forEach([&](int cell) {
                seers_.insert(slot(node.digit, cell), id);
            });
        }
        for (int id = 0; id < graph.size(); ++id)
            addEnds(id);
    }

    const NodeSets& sets() const { return sets_; }

private:
    static int slot(int digit, int cell) { return (digit - 1) * Cells + cell; }

    void addEnds(int id) {
        const ChainNode& end = graph_.node(id);
        // The same digit seen from both ends; a chain back to a single start.
        (end.seen & byDigit_[end.digit - 1]).forEach([&](int cell) {
            sets_.add(id, seers_.row(slot(end.digit, cell)));
        });
        if (end.cell >= 0)
            sets_.insert(id, id);
        // A single start in a cell that the end sees and that has the end's digit.
        end.seen.forEach([&](int cell) {
            if (!marks_.has(cell, end.digit))
                return;
            for (Digits rest = marks_.at(cell) & ~digitBit(end.digit); rest != 0; rest &= rest - 1)
                addSingle(id, cell, firstDigit(rest));
        });
        if (end.cell < 0)
            return;
        // The end's own cell: another candidate of it, with a third left; a
        // start that sees the end's cell and whose digit the cell has.
        const Digits others = marks_.at(end.cell) & ~digitBit(end.digit);
        for (Digits rest = others; rest != 0; rest &= rest - 1) {
            if (digitCount(others) >= 2)
                addSingle(id, end.cell, firstDigit(rest));
            sets_.add(id, seers_.row(slot(firstDigit(rest), end.cell)));
        }
    }

    void addSingle(int id, int cell, int digit) {
        const int start = graph_.singleNode(cell, digit);
        if (start >= 0)
            sets_.insert(id, start);
    }

    const Candidates& marks_;
    const DigitCells& byDigit_;
    const LinkGraph& graph_;
    NodeSets sets_;
    NodeSets seers_;
};

// Adds to `ending` the starts among `walkers` for which the state is an end
// and that had reached none before.
void collectEnding(const std::uint64_t* endsOfState, const std::uint64_t* walkers, int words,
                   std::vector<char>& ended, std::vector<int>& ending) {
    for (int i = 0; i < words; ++i)
        for (std::uint64_t hit = walkers[i] & endsOfState[i]; hit != 0; hit &= hit - 1) {
            const int start = 64 * i + std::countr_zero(hit);
            if (ended[start] == 0) {
                ended[start] = 1;
                ending.push_back(start);
            }
        }
}

class ChainSearch {
public:
    ChainSearch(const Candidates& marks, Technique technique, const LinkRules& rules)
        : marks_(marks), technique_(technique), graph_(marks, rules), walk_(graph_),
          byDigit_(cellsByDigit(marks)) {}

    // A start is walked once some end of its is within reach; its walk gives
    // its shortest chain. The best is the shortest, ties going to the lower
    // start, so once a chain of the length reached is known no other start can
    // do better.
    std::optional<Step> run() {
        const EndsFor ends(marks_, byDigit_, graph_);
        std::vector<int> starts;
        for (int node = 0; node < graph_.size(); ++node)
            starts.push_back(ImplicationWalk::stateOf(node, false));
        AllWalks walks(graph_, starts);
        std::vector<char> ended(graph_.size(), 0);
        for (int links = 1; links <= MaxLinks && links < bestLinks_ && walks.moving(); ++links) {
            std::vector<int> ending;
            walks.advance([&](int state, const std::uint64_t* walkers) {
                if ((state & 1) != 0)
                    collectEnding(ends.sets().row(state / 2), walkers, walks.walkWords(), ended,
                                  ending);
            });
            std::sort(ending.begin(), ending.end());
            for (int start : ending)
                walk_.walk(ImplicationWalk::stateOf(start, false), std::min(bestLinks_, MaxLinks),
                           [&](int state) { return (state & 1) != 0 && conclude(start, state); });
        }
        return std::move(best_);
    }

private:
    // The start's first chain that concludes something and repeats no node ends
    // its walk; it is the best when shorter, or as short from a lower start.
    bool conclude(int start, int state) {
        Conclusion conclusion = concludeFrom(marks_, byDigit_, graph_.node(start),
                                             graph_.node(state / 2), start == state / 2);
        if (conclusion.placements.empty() && conclusion.eliminations.empty())
            return false;
        const std::vector<int> chain = walk_.path(state);
        if (repeatsNode(chain))
            return false;
        const int links = walk_.links(state);
        if (links > bestLinks_ || (links == bestLinks_ && start > bestStart_))
            return true;
        Step step;
        step.technique = technique_;
        step.placements = std::move(conclusion.placements);
        step.eliminations = std::move(conclusion.eliminations);
        appendChain(step, marks_, graph_, walk_, chain);
        best_ = std::move(step);
        bestLinks_ = links;
        bestStart_ = start;
        return true;
    }

    const Candidates& marks_;
    Technique technique_;
    LinkGraph graph_;
    ImplicationWalk walk_;
    DigitCells byDigit_;
    std::optional<Step> best_;
    int bestLinks_ = MaxLinks + 1;
    int bestStart_ = 0;
};

std::optional<Step> findChain(const Candidates& marks, Technique technique,
                              const LinkRules& rules) {
    return ChainSearch(marks, technique, rules).run();
}

} // namespace

std::optional<Step> findXChain(const Candidates& marks) {
    return findChain(marks, Technique::XChain, {.unitStrong = true, .strongOnly = true});
}

std::optional<Step> findXYChain(const Candidates& marks) {
    return findChain(marks, Technique::XYChain,
                     {.bivalueOnly = true, .cellStrong = true, .strongOnly = true});
}

std::optional<Step> findAic(const Candidates& marks) {
    return findChain(
        marks, Technique::Aic,
        {.cellStrong = true, .unitStrong = true, .cellWeak = true, .strongOnly = true});
}

std::optional<Step> findGroupedAic(const Candidates& marks) {
    return findChain(marks, Technique::GroupedAic,
                     {.cellStrong = true,
                      .unitStrong = true,
                      .cellWeak = true,
                      .groups = true,
                      .strongOnly = true});
}

std::optional<Step> findAlsChain(const Candidates& marks) {
    return findChain(marks, Technique::AlsChain,
                     {.cellStrong = true,
                      .unitStrong = true,
                      .cellWeak = true,
                      .groups = true,
                      .alsCells = MaxAlsCells,
                      .strongOnly = true});
}

} // namespace engine
