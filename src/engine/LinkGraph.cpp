// Building the chain graph from the pencil marks: nodes first, then links.
#include "engine/LinkGraph.h"

#include <algorithm>

namespace engine {

namespace {

int onlyCell(CellSet cells) {
    return cells.single() ? cells.first() : -1;
}

void addNode(Step& step, const std::vector<CellDigit>& entries) {
    step.proof.insert(step.proof.end(), entries.begin(), entries.end());
    step.nodeSizes.push_back(static_cast<std::uint8_t>(entries.size()));
}

void addUnit(Step& step, std::uint8_t unit) {
    if (unit != NoUnit && std::find(step.units.begin(), step.units.end(), unit) == step.units.end())
        step.units.push_back(unit);
}

// The open cells of a unit, in the unit's order.
struct OpenCells {
    std::array<int, 9> cells{};
    int count = 0;
};

// Some of a unit's open cells: bit i of `mask` for the i-th open cell.
struct CellSubset {
    unsigned mask = 0;
    CellSet cells;
    Digits digits = 0;
    int size = 0;
};

// Every almost locked set of 2 to `maxCells` cells that extends `partial` with
// open cells from `from` on. A set whose digits outnumber maxCells + 1 only
// gains digits as it grows, so it is not grown.
void collectAlmostLocked(const Candidates& marks, const OpenCells& open, int maxCells,
                         const CellSubset& partial, int from, std::vector<CellSubset>& found) {
    if (partial.size >= 2 && digitCount(partial.digits) == partial.size + 1)
        found.push_back(partial);
    if (partial.size == maxCells)
        return;
    for (int i = from; i < open.count; ++i) {
        CellSubset grown = partial;
        grown.mask |= 1u << i;
        grown.cells.insert(open.cells[i]);
        grown.digits |= marks.at(open.cells[i]);
        ++grown.size;
        if (digitCount(grown.digits) <= maxCells + 1)
            collectAlmostLocked(marks, open, maxCells, grown, i + 1, found);
    }
}

} // namespace

std::vector<int> ImplicationWalk::path(int state) const {
    std::vector<int> states;
    int at = state;
    for (; at != parent_[at]; at = parent_[at])
        states.push_back(at);
    states.push_back(at);
    std::reverse(states.begin(), states.end());
    return states;
}

void appendChain(Step& step, const Candidates& marks, const LinkGraph& graph,
                 const ImplicationWalk& walk, const std::vector<int>& path, int branch) {
    std::vector<CellDigit> entries;
    std::vector<CellDigit> previous;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const GraphLink link = walk.linkInto(path[i]);
        if (i > 0) {
            addUnit(step, link.unit);
            if (link.als >= 0) {
                entries.clear();
                graph.als(link.als).cells.forEach(
                    [&](int cell) { appendCandidates(entries, cell, marks.at(cell)); });
                addNode(step, entries);
            }
        }
        const ChainNode& node = graph.node(path[i] / 2);
        entries.clear();
        appendCells(entries, node.cells, node.digit);
        addNode(step, entries);
        if (i > 0)
            step.links.push_back({previous, entries, (path[i - 1] & 1) == 0, link.unit,
                                  static_cast<std::uint8_t>(branch), 0});
        previous = entries;
    }
}

std::uint8_t unitHolding(CellSet cells) {
    const int cell = cells.first();
    if (cell < 0)
        return NoUnit;
    for (int unit : unitsOf(cell))
        if ((UnitSets[unit] & cells) == cells)
            return static_cast<std::uint8_t>(unit);
    return NoUnit;
}

std::size_t CellSetIndex::home(int key, CellSet cells) const {
    return static_cast<std::size_t>(cells.hash() + static_cast<std::uint64_t>(key)) &
           (slots_.size() - 1);
}

int CellSetIndex::find(int key, CellSet cells) const {
    for (std::size_t at = home(key, cells);; at = (at + 1) & (slots_.size() - 1)) {
        const Slot& slot = slots_[at];
        if (slot.id < 0)
            return -1;
        if (slot.key == key && slot.cells == cells)
            return slot.id;
    }
}

void CellSetIndex::add(int key, CellSet cells, int id) {
    if (2 * (used_ + 1) > slots_.size())
        grow();
    std::size_t at = home(key, cells);
    while (slots_[at].id >= 0)
        at = (at + 1) & (slots_.size() - 1);
    slots_[at] = {cells, key, id};
    ++used_;
}

void CellSetIndex::grow() {
    std::vector<Slot> old(2 * slots_.size());
    old.swap(slots_);
    used_ = 0;
    for (const Slot& slot : old)
        if (slot.id >= 0)
            add(slot.key, slot.cells, slot.id);
}

// A counting sort by node keeps each node's links in the order they came.
void LinkGraph::Adjacency::build(int nodes, bool repeats) {
    start_.assign(nodes + 1, 0);
    for (const auto& [from, link] : pending_)
        ++start_[from + 1];
    for (int id = 0; id < nodes; ++id)
        start_[id + 1] += start_[id];
    std::vector<GraphLink> sorted(pending_.size());
    std::vector<int> next(start_.begin(), start_.end() - 1);
    for (const auto& [from, link] : pending_)
        sorted[next[from]++] = link;
    links_.clear();
    for (int id = 0; id < nodes; ++id) {
        const auto first = static_cast<std::ptrdiff_t>(links_.size());
        for (int i = start_[id]; i < start_[id + 1]; ++i)
            if (!repeats || std::none_of(links_.begin() + first, links_.end(),
                                         [&](GraphLink known) { return known.to == sorted[i].to; }))
                links_.push_back(sorted[i]);
        start_[id] = static_cast<int>(first);
    }
    start_[nodes] = static_cast<int>(links_.size());
    pending_.clear();
}

void LinkGraph::Adjacency::renumber(const std::vector<int>& newId) {
    std::size_t kept = 0;
    for (auto [from, link] : pending_) {
        if (newId[from] < 0 || newId[link.to] < 0)
            continue;
        link.to = static_cast<std::uint16_t>(newId[link.to]);
        pending_[kept++] = {newId[from], link};
    }
    pending_.resize(kept);
}

void LinkGraph::Adjacency::markEnds(std::vector<char>& marked) const {
    for (const auto& [from, link] : pending_) {
        marked[from] = 1;
        marked[link.to] = 1;
    }
}

LinkGraph::LinkGraph(const Candidates& marks, const LinkRules& rules)
    : marks_(marks), byDigit_(cellsByDigit(marks)) {
    addNodes(rules);
    addStrongLinks(rules);
    if (rules.strongOnly)
        dropNodesWithoutStrongLinks();
    indexByLowestCell();
    addWeakLinks(rules);
    // A strong link may come from two units holding both nodes, or from an
    // almost locked set too; each weak link comes once.
    strong_.build(size(), true);
    weak_.build(size(), false);
}

int LinkGraph::findOrAdd(int digit, CellSet cells) {
    const int known = find(digit, cells);
    if (known >= 0)
        return known;
    const int id = size();
    nodes_.push_back({cells, seenByEvery(cells), digit, onlyCell(cells)});
    index_.add(digit, cells, id);
    return id;
}

// Keeps the order of the nodes left, so that searches tie-break as before.
void LinkGraph::dropNodesWithoutStrongLinks() {
    std::vector<char> linked(nodes_.size(), 0);
    strong_.markEnds(linked);
    std::vector<int> newId(nodes_.size(), -1);
    std::vector<ChainNode> kept;
    int keptSingles = 0;
    for (int id = 0; id < size(); ++id) {
        if (linked[id] == 0)
            continue;
        newId[id] = static_cast<int>(kept.size());
        kept.push_back(nodes_[id]);
        keptSingles += id < singles_ ? 1 : 0;
    }
    nodes_ = std::move(kept);
    singles_ = keptSingles;
    for (std::int16_t& id : singleIds_)
        id = static_cast<std::int16_t>(id < 0 ? -1 : newId[id]);
    // The index serves the building of nodes and strong links, done by now.
    index_ = CellSetIndex();
    strong_.renumber(newId);
}

void LinkGraph::indexByLowestCell() {
    lowestCellStart_.assign(9 * Cells + 1, 0);
    for (const ChainNode& node : nodes_)
        ++lowestCellStart_[(node.digit - 1) * Cells + node.cells.first() + 1];
    for (std::size_t i = 1; i < lowestCellStart_.size(); ++i)
        lowestCellStart_[i] += lowestCellStart_[i - 1];
    byLowestCell_.assign(nodes_.size(), 0);
    std::vector<int> next(lowestCellStart_.begin(), lowestCellStart_.end() - 1);
    for (int id = 0; id < size(); ++id)
        byLowestCell_[next[(nodes_[id].digit - 1) * Cells + nodes_[id].cells.first()]++] = id;
}

std::span<const int> LinkGraph::nodesFrom(int digit, int cell) const {
    const std::size_t key = static_cast<std::size_t>((digit - 1) * Cells + cell);
    return {byLowestCell_.data() + lowestCellStart_[key],
            byLowestCell_.data() + lowestCellStart_[key + 1]};
}

void LinkGraph::addNodes(const LinkRules& rules) {
    singleIds_.fill(-1);
    for (int cell = 0; cell < Cells; ++cell) {
        const Digits digits = marks_.at(cell);
        if (rules.bivalueOnly && digitCount(digits) != 2)
            continue;
        for (Digits rest = digits; rest != 0; rest &= rest - 1) {
            singleIds_[cell * 9 + firstDigit(rest) - 1] =
                static_cast<std::int16_t>(findOrAdd(firstDigit(rest), CellSet::of(cell)));
        }
    }
    singles_ = size();
    if (rules.groups)
        for (int box = 0; box < 9; ++box)
            for (int line = 0; line < 6; ++line) {
                const int unit =
                    line < 3 ? rowUnit(box / 3 * 3 + line) : colUnit(box % 3 * 3 + line - 3);
                for (int digit = 1; digit <= 9; ++digit) {
                    const CellSet cells =
                        UnitSets[boxUnit(box)] & UnitSets[unit] & byDigit_[digit - 1];
                    if (cells.size() >= 2)
                        findOrAdd(digit, cells);
                }
            }
    if (rules.alsCells >= 2)
        addAlmostLockedSets(rules.alsCells);
}

// Every almost locked set of 2 to `maxCells` cells, unit by unit, each cell set
// once; its digits' cells become nodes.
void LinkGraph::addAlmostLockedSets(int maxCells) {
    for (int unit = 0; unit < Units; ++unit) {
        OpenCells open;
        for (int cell : UnitTable[unit])
            if (marks_.at(cell) != 0)
                open.cells[open.count++] = cell;
        std::vector<CellSubset> found;
        collectAlmostLocked(marks_, open, maxCells, {}, 0, found);
        std::sort(found.begin(), found.end(),
                  [](const CellSubset& a, const CellSubset& b) { return a.mask < b.mask; });
        for (const CellSubset& subset : found) {
            if (setIndex_.find(0, subset.cells) >= 0)
                continue;
            setIndex_.add(0, subset.cells, static_cast<int>(sets_.size()));
            sets_.push_back({subset.cells, subset.digits, unit});
        }
    }
    for (const AlmostLockedSet& set : sets_)
        for (Digits rest = set.digits; rest != 0; rest &= rest - 1)
            findOrAdd(firstDigit(rest), set.cells & byDigit_[firstDigit(rest) - 1]);
}

void LinkGraph::addStrongLinks(const LinkRules& rules) {
    for (int id = 0; id < size(); ++id) {
        const ChainNode& node = nodes_[id];
        if (rules.cellStrong && node.cell >= 0 && digitCount(marks_.at(node.cell)) == 2) {
            const int other =
                singleNode(node.cell, firstDigit(marks_.at(node.cell) & ~digitBit(node.digit)));
            strong_.add(id, {static_cast<std::uint16_t>(other), NoUnit, -1});
        }
        if (!rules.unitStrong)
            continue;
        for (int unit : unitsOf(node.cells.first())) {
            if ((UnitSets[unit] & node.cells) != node.cells)
                continue;
            const CellSet rest = (UnitSets[unit] & byDigit_[node.digit - 1]).without(node.cells);
            const int other = rest.empty() ? -1 : find(node.digit, rest);
            if (other >= 0)
                strong_.add(
                    id, {static_cast<std::uint16_t>(other), static_cast<std::uint8_t>(unit), -1});
        }
    }
    for (std::size_t index = 0; index < sets_.size(); ++index) {
        const AlmostLockedSet& set = sets_[index];
        std::array<int, 9> nodeOf{};
        for (Digits rest = set.digits; rest != 0; rest &= rest - 1)
            nodeOf[firstDigit(rest) - 1] =
                find(firstDigit(rest), set.cells & byDigit_[firstDigit(rest) - 1]);
        for (Digits x = set.digits; x != 0; x &= x - 1)
            for (Digits y = set.digits; y != 0; y &= y - 1)
                if (x != y)
                    strong_.add(nodeOf[firstDigit(x) - 1],
                                {static_cast<std::uint16_t>(nodeOf[firstDigit(y) - 1]),
                                 static_cast<std::uint8_t>(set.unit),
                                 static_cast<std::int16_t>(index)});
    }
}

void LinkGraph::addWeakLinks(const LinkRules& rules) {
    std::vector<int> seen;
    for (int id = 0; id < size(); ++id) {
        const ChainNode& node = nodes_[id];
        if (rules.cellWeak && node.cell >= 0)
            for (Digits rest = marks_.at(node.cell) & ~digitBit(node.digit); rest != 0;
                 rest &= rest - 1) {
                const int other = singleNode(node.cell, firstDigit(rest));
                if (other >= 0)
                    weak_.add(id, {static_cast<std::uint16_t>(other), NoUnit, -1});
            }
        // A node that sees all of another sees its lowest cell.
        seen.clear();
        (node.seen & byDigit_[node.digit - 1]).forEach([&](int cell) {
            for (int other : nodesFrom(node.digit, cell))
                if ((node.seen & nodes_[other].cells) == nodes_[other].cells)
                    seen.push_back(other);
        });
        std::sort(seen.begin(), seen.end());
        for (int other : seen)
            weak_.add(id, {static_cast<std::uint16_t>(other),
                           unitHolding(node.cells | nodes_[other].cells), -1});
    }
}

} // namespace engine
