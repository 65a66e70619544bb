// Clusters of conjugate pairs coloured breadth first.
#include "engine/Colouring.h"

#include "engine/CellSet.h"

namespace engine {

namespace {

struct Cluster {
    std::vector<CellDigit> cells;    // breadth-first order
    std::vector<std::uint8_t> links; // links[i] joins cells[i + 1]
    std::array<CellSet, 2> colours;
};

Cluster colourFrom(const Candidates& marks, int digit, int root) {
    Cluster cluster;
    cluster.cells.push_back(candidate(root, digit));
    cluster.colours[0].insert(root);
    for (std::size_t next = 0; next < cluster.cells.size(); ++next) {
        const int cell = cluster.cells[next].cell;
        const int colour = cluster.colours[0].contains(cell) ? 0 : 1;
        for (int unit : unitsOf(cell)) {
            const auto places = pairPlaces(marks, unit, digit);
            if (!places)
                continue;
            const int other = (*places)[0] == cell ? (*places)[1] : (*places)[0];
            if (cluster.colours[0].contains(other) || cluster.colours[1].contains(other))
                continue;
            cluster.colours[1 - colour].insert(other);
            cluster.cells.push_back(candidate(other, digit));
            cluster.links.push_back(static_cast<std::uint8_t>(unit));
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

CellSet seenByAll(CellSet cells) {
    CellSet seen;
    cells.forEach([&](int cell) { seen = seen | PeerSets[cell]; });
    return seen;
}

std::optional<Step> stepOf(Cluster& cluster, CellSet withDigit, int digit) {
    Step step;
    step.technique = Technique::SimpleColouring;
    for (int colour = 0; colour < 2; ++colour) {
        const int unit = wrapUnit(cluster.colours[colour]);
        if (unit >= 0) {
            cluster.links.push_back(static_cast<std::uint8_t>(unit));
            appendEliminations(step.eliminations, cluster.colours[colour], digit);
            break;
        }
    }
    if (step.eliminations.empty()) {
        const CellSet outside = withDigit.without(cluster.colours[0] | cluster.colours[1]);
        appendEliminations(step.eliminations,
                           outside & seenByAll(cluster.colours[0]) & seenByAll(cluster.colours[1]),
                           digit);
    }
    if (step.eliminations.empty())
        return std::nullopt;
    step.proof = std::move(cluster.cells);
    step.units = std::move(cluster.links);
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
            Cluster cluster = colourFrom(marks, digit, root);
            done = done | cluster.colours[0] | cluster.colours[1];
            if (cluster.cells.size() >= 2)
                found = stepOf(cluster, byDigit[digit - 1], digit);
        });
        if (found)
            return found;
    }
    return std::nullopt;
}

} // namespace engine
