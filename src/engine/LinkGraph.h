// The nodes and links that alternating inference chains walk. A node says "the
// digit is in one of these cells" of one unit: a single candidate, a group (a
// digit's places in a box-line crossing) or a digit's cells in an almost locked
// set (n cells holding n + 1 digits). A strong link: at least one of its two
// nodes is true; a weak link: at most one is.
#pragma once

#include "engine/CellSet.h"
#include "engine/Step.h"

#include <span>
#include <vector>

namespace engine {

// Which nodes and links a technique walks.
struct LinkRules {
    bool bivalueOnly = false; // single candidates of bivalue cells only
    bool cellStrong = false;  // strong: the two candidates of a bivalue cell
    bool unitStrong = false;  // strong: a digit's places in a unit, split in two nodes
    bool cellWeak = false;    // weak: two candidates of one cell
    bool groups = false;      // nodes: a digit's places in a box-line crossing
    int alsCells = 0;         // strong: two digits of an almost locked set of 2 to this many cells
    // Nodes without a strong link left out: an alternating chain enters or
    // leaves each of its nodes by one.
    bool strongOnly = false;
};

struct ChainNode {
    CellSet cells; // all in one unit
    CellSet seen;  // the cells that see every cell of `cells`
    int digit = 0;
    int cell = -1; // the cell of a single candidate; -1 for several cells
};

// A set of n cells of one unit holding n + 1 digits between them: without one
// of its digits it would be locked, so it holds any other.
struct AlmostLockedSet {
    CellSet cells;
    Digits digits = 0;
    int unit = 0;
};

struct GraphLink {
    std::uint16_t to = 0;
    std::uint8_t unit = NoUnit; // the unit both nodes lie in; NoUnit inside a cell
    std::int16_t als = -1;      // the almost locked set that makes the link, or -1
};

// Ids of cell sets under a small key (a digit), found by hashing.
class CellSetIndex {
public:
    // -1 when the set is not there.
    int find(int key, CellSet cells) const;
    void add(int key, CellSet cells, int id);

private:
    struct Slot {
        CellSet cells;
        int key = -1;
        int id = -1;
    };
    std::size_t home(int key, CellSet cells) const;
    void grow();

    std::vector<Slot> slots_ = std::vector<Slot>(256);
    std::size_t used_ = 0;
};

class LinkGraph {
public:
    // Single candidates come first, in cell then digit order, then groups, then
    // the nodes of almost locked sets.
    LinkGraph(const Candidates& marks, const LinkRules& rules);

    int size() const { return static_cast<int>(nodes_.size()); }
    // The single candidates are nodes 0 to singleCount() - 1.
    int singleCount() const { return singles_; }
    // The node of a single candidate; -1 when the rules leave it out.
    int singleNode(int cell, int digit) const { return singleIds_[cell * 9 + digit - 1]; }
    const ChainNode& node(int id) const { return nodes_[id]; }
    const AlmostLockedSet& als(int index) const { return sets_[index]; }
    std::span<const GraphLink> strong(int id) const { return strong_.of(id); }
    std::span<const GraphLink> weak(int id) const { return weak_.of(id); }

private:
    // Links kept per node, each node's in the order they were added, each
    // neighbour once.
    class Adjacency {
    public:
        void add(int from, GraphLink link) { pending_.push_back({from, link}); }
        // Renumbers the links added so far, dropping those of nodes numbered -1.
        void renumber(const std::vector<int>& newId);
        // Every node a link added so far starts or ends at, marked.
        void markEnds(std::vector<char>& marked) const;
        // `repeats`: links may have come twice, and only the first is kept.
        void build(int nodes, bool repeats);
        std::span<const GraphLink> of(int id) const {
            return {links_.data() + start_[id], links_.data() + start_[id + 1]};
        }

    private:
        std::vector<std::pair<int, GraphLink>> pending_;
        std::vector<int> start_;
        std::vector<GraphLink> links_;
    };

    // The node of `digit` on exactly `cells`, -1 when there is none; only while
    // nodes and strong links are being added.
    int find(int digit, CellSet cells) const { return index_.find(digit, cells); }
    int findOrAdd(int digit, CellSet cells);
    void addNodes(const LinkRules& rules);
    // The nodes of `digit` whose lowest cell is `cell`, by id.
    std::span<const int> nodesFrom(int digit, int cell) const;
    void indexByLowestCell();
    void addAlmostLockedSets(int maxCells);
    void addStrongLinks(const LinkRules& rules);
    void addWeakLinks(const LinkRules& rules);
    void dropNodesWithoutStrongLinks();

    const Candidates& marks_;
    DigitCells byDigit_;
    int singles_ = 0;
    std::array<std::int16_t, Cells * 9> singleIds_;
    std::vector<ChainNode> nodes_;
    CellSetIndex index_;
    // Node ids by digit, then lowest cell, then id, and where each digit and
    // cell's run starts.
    std::vector<int> byLowestCell_;
    std::vector<int> lowestCellStart_;
    std::vector<AlmostLockedSet> sets_;
    CellSetIndex setIndex_;
    Adjacency strong_, weak_;
};

// A breadth-first walk of what follows from one assumption: a node false makes
// the nodes it is strongly linked to true, a node true makes the nodes it is
// weakly linked to false. A state is 2 * node, plus 1 for "true".
class ImplicationWalk {
public:
    explicit ImplicationWalk(const LinkGraph& graph)
        : graph_(graph), parent_(2 * graph.size(), -1), via_(2 * graph.size()),
          links_(2 * graph.size()) {}

    static int stateOf(int node, bool isTrue) { return 2 * node + (isTrue ? 1 : 0); }

    // Walks from `start` along chains of at most `maxLinks` links, shortest
    // first, calling reached(state) on each state the first time it is reached;
    // stops when reached returns true.
    template <typename Reached>
    void walk(int start, int maxLinks, Reached reached);

    bool reached(int state) const { return parent_[state] >= 0; }
    int links(int state) const { return links_[state]; }
    // The link that first reached `state`.
    GraphLink linkInto(int state) const { return via_[state]; }
    // The states from the start to `state`, both included.
    std::vector<int> path(int state) const;

private:
    const LinkGraph& graph_;
    std::vector<int> parent_;
    std::vector<GraphLink> via_;
    std::vector<std::uint8_t> links_;
    std::vector<int> queue_;
};

template <typename Reached>
void ImplicationWalk::walk(int start, int maxLinks, Reached reached) {
    for (int state : queue_)
        parent_[state] = -1;
    queue_.assign(1, start);
    parent_[start] = start;
    links_[start] = 0;
    for (std::size_t head = 0; head < queue_.size(); ++head) {
        const int state = queue_[head];
        if (links_[state] >= maxLinks)
            return;
        const bool isTrue = (state & 1) != 0;
        for (const GraphLink link : isTrue ? graph_.weak(state / 2) : graph_.strong(state / 2)) {
            const int next = stateOf(link.to, !isTrue);
            if (parent_[next] >= 0)
                continue;
            parent_[next] = state;
            via_[next] = link;
            links_[next] = static_cast<std::uint8_t>(links_[state] + 1);
            queue_.push_back(next);
            if (reached(next))
                return;
        }
    }
}

// Appends the chain `path` (states of `walk`) to the step's proof, a node at a
// time, with each almost locked set between the two nodes it links, the units
// of its links to the step's units, each once, and its links, marked with
// `branch`, to the step's links.
void appendChain(Step& step, const Candidates& marks, const LinkGraph& graph,
                 const ImplicationWalk& walk, const std::vector<int>& path, int branch = 0);

// The unit holding every cell of a non-empty `cells`, rows before columns
// before boxes; NoUnit when none does.
std::uint8_t unitHolding(CellSet cells);

} // namespace engine
