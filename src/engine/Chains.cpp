// Chains found breadth first from every candidate over a graph of candidates and
// the links the technique allows; the search stops at chains no shorter than the
// best one found so far.
#include "engine/Chains.h"

#include "engine/CellSet.h"

#include <algorithm>
#include <span>

namespace engine {

namespace {

// Longer chains are not looked for: it bounds the search, and a chain this long
// is past what a person follows.
constexpr int MaxLinks = 15;
constexpr std::uint8_t InsideCell = 0xFF;

struct ChainRules {
    Technique technique;
    bool bivalueOnly; // nodes: the candidates of bivalue cells only
    bool cellStrong;  // strong links: the two candidates of a bivalue cell
    bool unitStrong;  // strong links: the two places of a digit in a unit
    bool cellWeak;    // weak links: two candidates of one cell
};

struct Node {
    int cell;
    int digit;
};

struct Edge {
    std::uint16_t to;
    std::uint8_t unit; // InsideCell for a link between two candidates of a cell
};

// The candidates the rules allow as nodes, in cell then digit order, and their
// strong and weak links (a strong link between two places in a unit is also
// listed as weak: at most one of them is true as well).
class LinkGraph {
public:
    LinkGraph(const Candidates& marks, const ChainRules& rules);

    int size() const { return static_cast<int>(nodes_.size()); }
    const Node& node(int id) const { return nodes_[id]; }
    std::span<const Edge> strong(int id) const { return span(strongEdges_, strongStart_, id); }
    std::span<const Edge> weak(int id) const { return span(weakEdges_, weakStart_, id); }

private:
    static std::span<const Edge> span(const std::vector<Edge>& edges, const std::vector<int>& start,
                                      int id) {
        return {edges.data() + start[id], edges.data() + start[id + 1]};
    }
    void addStrong(const Candidates& marks, const ChainRules& rules, const Node& node);
    void addWeak(const Candidates& marks, const ChainRules& rules, const Node& node);
    void link(std::vector<Edge>& edges, int cell, int digit, std::uint8_t unit);

    std::vector<Node> nodes_;
    std::array<std::int16_t, Cells * 9> ids_;
    std::vector<int> strongStart_, weakStart_;
    std::vector<Edge> strongEdges_, weakEdges_;
};

LinkGraph::LinkGraph(const Candidates& marks, const ChainRules& rules) {
    ids_.fill(-1);
    for (int cell = 0; cell < Cells; ++cell) {
        const Digits digits = marks.at(cell);
        if (rules.bivalueOnly && digitCount(digits) != 2)
            continue;
        for (Digits rest = digits; rest != 0; rest &= rest - 1) {
            ids_[cell * 9 + firstDigit(rest) - 1] = static_cast<std::int16_t>(nodes_.size());
            nodes_.push_back({cell, firstDigit(rest)});
        }
    }
    for (const Node& node : nodes_) {
        strongStart_.push_back(static_cast<int>(strongEdges_.size()));
        weakStart_.push_back(static_cast<int>(weakEdges_.size()));
        addStrong(marks, rules, node);
        addWeak(marks, rules, node);
    }
    strongStart_.push_back(static_cast<int>(strongEdges_.size()));
    weakStart_.push_back(static_cast<int>(weakEdges_.size()));
}

void LinkGraph::link(std::vector<Edge>& edges, int cell, int digit, std::uint8_t unit) {
    const int to = ids_[cell * 9 + digit - 1];
    if (to >= 0)
        edges.push_back({static_cast<std::uint16_t>(to), unit});
}

void LinkGraph::addStrong(const Candidates& marks, const ChainRules& rules, const Node& node) {
    const Digits digits = marks.at(node.cell);
    if (rules.cellStrong && digitCount(digits) == 2)
        link(strongEdges_, node.cell, firstDigit(digits & ~digitBit(node.digit)), InsideCell);
    if (!rules.unitStrong)
        return;
    const std::size_t first = strongEdges_.size();
    for (int unit : unitsOf(node.cell)) {
        const auto places = pairPlaces(marks, unit, node.digit);
        if (!places)
            continue;
        const int other = (*places)[0] == node.cell ? (*places)[1] : (*places)[0];
        const bool known = std::any_of(strongEdges_.begin() + first, strongEdges_.end(),
                                       [&](Edge e) { return nodes_[e.to].cell == other; });
        if (!known)
            link(strongEdges_, other, node.digit, static_cast<std::uint8_t>(unit));
    }
}

void LinkGraph::addWeak(const Candidates& marks, const ChainRules& rules, const Node& node) {
    if (rules.cellWeak)
        for (Digits rest = marks.at(node.cell) & ~digitBit(node.digit); rest != 0; rest &= rest - 1)
            link(weakEdges_, node.cell, firstDigit(rest), InsideCell);
    for (int peer : PeerTable[node.cell])
        if (marks.has(peer, node.digit))
            link(weakEdges_, peer, node.digit,
                 static_cast<std::uint8_t>(sharedUnit(node.cell, peer)));
}

// What follows from "one of the two ends is true": the candidates weakly linked
// to both ends, or, when the chain comes back to its start, that start placed.
struct Conclusion {
    std::vector<CellDigit> placements;
    std::vector<CellDigit> eliminations;
};

Conclusion concludeFrom(const Candidates& marks, const DigitCells& byDigit, const Node& start,
                        const Node& end) {
    Conclusion conclusion;
    if (start.cell == end.cell && start.digit == end.digit) {
        conclusion.placements.push_back(candidate(start.cell, start.digit));
    } else if (start.digit == end.digit) {
        appendEliminations(conclusion.eliminations,
                           PeerSets[start.cell] & PeerSets[end.cell] & byDigit[start.digit - 1],
                           start.digit);
    } else if (start.cell == end.cell) {
        const Digits others = marks.at(start.cell) & ~(digitBit(start.digit) | digitBit(end.digit));
        appendCandidates(conclusion.eliminations, start.cell, others);
    } else if (seesEachOther(start.cell, end.cell)) {
        for (const auto& [cell, digit] :
             {std::pair{start.cell, end.digit}, {end.cell, start.digit}})
            if (marks.has(cell, digit))
                conclusion.eliminations.push_back(candidate(cell, digit));
    }
    return conclusion;
}

// Breadth-first search over states "node false" (reached by a weak link, or the
// start) and "node true" (reached by a strong link).
class ChainSearch {
public:
    ChainSearch(const Candidates& marks, const ChainRules& rules)
        : marks_(marks), rules_(rules), graph_(marks, rules), byDigit_(cellsByDigit(marks)),
          parent_(2 * graph_.size(), -1), via_(2 * graph_.size()), depth_(2 * graph_.size()) {}

    std::optional<Step> run() {
        for (int start = 0; start < graph_.size(); ++start)
            searchFrom(start);
        return std::move(best_);
    }

private:
    static int stateOf(int node, bool isTrue) { return 2 * node + (isTrue ? 1 : 0); }

    void searchFrom(int start) {
        for (int state : queue_)
            parent_[state] = -1;
        queue_.assign(1, stateOf(start, false));
        parent_[queue_[0]] = queue_[0];
        depth_[queue_[0]] = 0;
        for (std::size_t head = 0; head < queue_.size(); ++head) {
            const int state = queue_[head];
            if (depth_[state] + 1 >= bestLinks_)
                return;
            const bool isTrue = (state & 1) != 0;
            const auto edges = isTrue ? graph_.weak(state / 2) : graph_.strong(state / 2);
            for (const Edge edge : edges) {
                const int next = stateOf(edge.to, !isTrue);
                if (parent_[next] >= 0)
                    continue;
                parent_[next] = state;
                via_[next] = edge.unit;
                depth_[next] = depth_[state] + 1;
                queue_.push_back(next);
                if (!isTrue && conclude(start, next))
                    return;
            }
        }
    }

    // Takes the chain ending in `state` ("end true") as the best when it
    // concludes something and repeats no candidate.
    bool conclude(int start, int state) {
        Conclusion conclusion =
            concludeFrom(marks_, byDigit_, graph_.node(start), graph_.node(state / 2));
        if (conclusion.placements.empty() && conclusion.eliminations.empty())
            return false;
        std::vector<int> chain;
        for (int at = state; at != parent_[at]; at = parent_[at])
            chain.push_back(at);
        chain.push_back(stateOf(start, false));
        std::reverse(chain.begin(), chain.end());
        if (repeatsNode(chain))
            return false;
        Step step;
        step.technique = rules_.technique;
        step.placements = std::move(conclusion.placements);
        step.eliminations = std::move(conclusion.eliminations);
        for (int at : chain) {
            const Node& node = graph_.node(at / 2);
            step.proof.push_back(candidate(node.cell, node.digit));
            const std::uint8_t unit = via_[at];
            if (at != chain.front() && unit != InsideCell &&
                std::find(step.units.begin(), step.units.end(), unit) == step.units.end())
                step.units.push_back(unit);
        }
        best_ = std::move(step);
        bestLinks_ = depth_[state];
        return true;
    }

    // A chain back to its start repeats only the start, at its end.
    static bool repeatsNode(const std::vector<int>& chain) {
        const std::size_t last =
            chain.front() / 2 == chain.back() / 2 ? chain.size() - 1 : chain.size();
        for (std::size_t i = 0; i < last; ++i)
            for (std::size_t j = i + 1; j < last; ++j)
                if (chain[i] / 2 == chain[j] / 2)
                    return true;
        return false;
    }

    const Candidates& marks_;
    const ChainRules& rules_;
    LinkGraph graph_;
    DigitCells byDigit_;
    std::vector<int> parent_;
    std::vector<std::uint8_t> via_;
    std::vector<std::uint8_t> depth_;
    std::vector<int> queue_;
    std::optional<Step> best_;
    int bestLinks_ = MaxLinks + 1;
};

std::optional<Step> findChain(const Candidates& marks, const ChainRules& rules) {
    return ChainSearch(marks, rules).run();
}

} // namespace

std::optional<Step> findXChain(const Candidates& marks) {
    return findChain(marks, {.technique = Technique::XChain,
                             .bivalueOnly = false,
                             .cellStrong = false,
                             .unitStrong = true,
                             .cellWeak = false});
}

std::optional<Step> findXYChain(const Candidates& marks) {
    return findChain(marks, {.technique = Technique::XYChain,
                             .bivalueOnly = true,
                             .cellStrong = true,
                             .unitStrong = false,
                             .cellWeak = false});
}

std::optional<Step> findAic(const Candidates& marks) {
    return findChain(marks, {.technique = Technique::Aic,
                             .bivalueOnly = false,
                             .cellStrong = true,
                             .unitStrong = true,
                             .cellWeak = true});
}

} // namespace engine
