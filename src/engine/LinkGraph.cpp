// Building the chain graph from the pencil marks: nodes first, then links.
#include "engine/LinkGraph.h"

#include <algorithm>

namespace engine {

namespace {

int onlyCell(CellSet cells) {
    int only = -1;
    if (cells.size() == 1)
        cells.forEach([&](int cell) { only = cell; });
    return only;
}

void addNode(Step& step, const std::vector<CellDigit>& entries) {
    step.proof.insert(step.proof.end(), entries.begin(), entries.end());
    step.nodeSizes.push_back(static_cast<std::uint8_t>(entries.size()));
}

void addUnit(Step& step, std::uint8_t unit) {
    if (unit != NoUnit && std::find(step.units.begin(), step.units.end(), unit) == step.units.end())
        step.units.push_back(unit);
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
    for (int unit = 0; unit < Units; ++unit)
        if ((UnitSets[unit] & cells) == cells)
            return static_cast<std::uint8_t>(unit);
    return NoUnit;
}

void LinkGraph::Adjacency::build(int nodes) {
    std::stable_sort(pending_.begin(), pending_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    start_.assign(nodes + 1, 0);
    links_.clear();
    std::size_t next = 0;
    for (int id = 0; id < nodes; ++id) {
        start_[id] = static_cast<int>(links_.size());
        for (; next < pending_.size() && pending_[next].first == id; ++next) {
            const GraphLink link = pending_[next].second;
            if (std::none_of(links_.begin() + start_[id], links_.end(),
                             [&](GraphLink known) { return known.to == link.to; }))
                links_.push_back(link);
        }
    }
    start_[nodes] = static_cast<int>(links_.size());
    pending_.clear();
}

LinkGraph::LinkGraph(const Candidates& marks, const LinkRules& rules)
    : marks_(marks), byDigit_(cellsByDigit(marks)) {
    addNodes(rules);
    addStrongLinks(rules);
    addWeakLinks(rules);
    strong_.build(size());
    weak_.build(size());
}

int LinkGraph::find(int digit, CellSet cells) const {
    for (int id : nodesOfDigit_[digit - 1])
        if (nodes_[id].cells == cells)
            return id;
    return -1;
}

int LinkGraph::findOrAdd(int digit, CellSet cells) {
    const int known = find(digit, cells);
    if (known >= 0)
        return known;
    const int id = size();
    nodes_.push_back({cells, seenByEvery(cells), digit, onlyCell(cells)});
    nodesOfDigit_[digit - 1].push_back(id);
    return id;
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
        std::array<int, 9> open{};
        int count = 0;
        for (int cell : UnitTable[unit])
            if (marks_.at(cell) != 0)
                open[count++] = cell;
        // Subsets as bit masks over the unit's open cells.
        for (unsigned mask = 1; mask < 1u << count; ++mask) {
            const int size = std::popcount(mask);
            if (size < 2 || size > maxCells)
                continue;
            CellSet cells;
            Digits digits = 0;
            for (int i = 0; i < count; ++i)
                if ((mask & 1u << i) != 0) {
                    cells.insert(open[i]);
                    digits |= marks_.at(open[i]);
                }
            if (digitCount(digits) != size + 1)
                continue;
            const bool known =
                std::any_of(sets_.begin(), sets_.end(),
                            [&](const AlmostLockedSet& s) { return s.cells == cells; });
            if (!known)
                sets_.push_back({cells, digits, unit});
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
        for (int unit = 0; unit < Units; ++unit) {
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
        for (Digits x = set.digits; x != 0; x &= x - 1)
            for (Digits y = set.digits; y != 0; y &= y - 1) {
                if (x == y)
                    continue;
                const int from = find(firstDigit(x), set.cells & byDigit_[firstDigit(x) - 1]);
                const int to = find(firstDigit(y), set.cells & byDigit_[firstDigit(y) - 1]);
                strong_.add(from,
                            {static_cast<std::uint16_t>(to), static_cast<std::uint8_t>(set.unit),
                             static_cast<std::int16_t>(index)});
            }
    }
}

void LinkGraph::addWeakLinks(const LinkRules& rules) {
    for (int id = 0; id < size(); ++id) {
        const ChainNode& node = nodes_[id];
        if (rules.cellWeak && node.cell >= 0)
            for (Digits rest = marks_.at(node.cell) & ~digitBit(node.digit); rest != 0;
                 rest &= rest - 1) {
                const int other = singleNode(node.cell, firstDigit(rest));
                if (other >= 0)
                    weak_.add(id, {static_cast<std::uint16_t>(other), NoUnit, -1});
            }
        for (int other : nodesOfDigit_[node.digit - 1]) {
            const CellSet cells = nodes_[other].cells;
            if ((node.seen & cells) == cells)
                weak_.add(id,
                          {static_cast<std::uint16_t>(other), unitHolding(node.cells | cells), -1});
        }
    }
}

} // namespace engine
