// Clusters of conjugate pairs coloured breadth first.
#include "engine/Colouring.h"

#include "engine/CellSet.h"

#include <algorithm>

namespace engine {

namespace {

// The cells joined to a root by conjugate pairs, in two colours (the root's
// first), and the units of those pairs in the order they were found.
struct Cluster {
    std::array<CellSet, 2> colours;
    std::vector<std::uint8_t> links;

    CellSet cells() const { return colours[0] | colours[1]; }
};

Cluster colourFrom(const Candidates& marks, int digit, int root) {
    Cluster cluster;
    cluster.colours[0].insert(root);
    std::vector<int> queue{root};
    for (std::size_t next = 0; next < queue.size(); ++next) {
        const int cell = queue[next];
        const int colour = cluster.colours[0].contains(cell) ? 0 : 1;
        for (int unit : unitsOf(cell)) {
            const auto places = pairPlaces(marks, unit, digit);
            if (!places)
                continue;
            const int other = (*places)[0] == cell ? (*places)[1] : (*places)[0];
            if (cluster.cells().contains(other))
                continue;
            cluster.colours[1 - colour].insert(other);
            cluster.links.push_back(static_cast<std::uint8_t>(unit));
            queue.push_back(other);
        }
    }
    return cluster;
}

// The first unit holding two cells of `colour`; -1 when none does.
int wrapUnit(CellSet colour) {
    for (int unit = 0; unit < Units; ++unit)
        if ((UnitSets[unit] & colour).size() >= 2)
            return unit;
    return -1;
}

CellSet seenByAny(CellSet cells) {
    CellSet seen;
    cells.forEach([&](int cell) { seen = seen | PeerSets[cell]; });
    return seen;
}

std::optional<Step> stepOf(const Cluster& cluster, CellSet withDigit, int digit) {
    Step step;
    step.technique = Technique::SimpleColouring;
    for (int colour = 0; colour < 2 && step.eliminations.empty(); ++colour) {
        const int unit = wrapUnit(cluster.colours[colour]);
        if (unit >= 0) {
            step.units.push_back(static_cast<std::uint8_t>(unit));
            appendCells(step.eliminations, cluster.colours[colour], digit);
        }
    }
    if (step.eliminations.empty())
        appendCells(step.eliminations,
                    withDigit.without(cluster.cells()) & seenByAny(cluster.colours[0]) &
                        seenByAny(cluster.colours[1]),
                    digit);
    if (step.eliminations.empty())
        return std::nullopt;
    for (const CellSet colour : cluster.colours) {
        appendCells(step.proof, colour, digit);
        step.nodeSizes.push_back(static_cast<std::uint8_t>(colour.size()));
    }
    for (const std::uint8_t unit : cluster.links)
        if (std::find(step.units.begin(), step.units.end(), unit) == step.units.end())
            step.units.push_back(unit);
    return step;
}

} // namespace

std::optional<Step> findSimpleColouring(const Candidates& marks) {
    const DigitCells byDigit = cellsByDigit(marks);
    for (int digit = 1; digit <= 9; ++digit) {
        CellSet done;
        std::optional<Step> found;
        byDigit[digit - 1].forEach([&](int root) {
            if (found || done.contains(root))
                return;
            const Cluster cluster = colourFrom(marks, digit, root);
            done = done | cluster.cells();
            if (!cluster.links.empty())
                found = stepOf(cluster, byDigit[digit - 1], digit);
        });
        if (found)
            return found;
    }
    return std::nullopt;
}

} // namespace engine
