// Wings found by scanning pivots (xy, xyz) or pairs of twin bivalue cells (w)
// in cell order, pincers in peer order.
#include "engine/Wings.h"

#include "engine/CellSet.h"

namespace engine {

namespace {

std::uint8_t unitByte(int unit) {
    return static_cast<std::uint8_t>(unit);
}

// The step of a pivot and two pincers that takes `digit` from `targets`.
Step wingStep(Technique technique, const Candidates& marks, int pivot, int first, int second,
              int digit, CellSet targets) {
    Step step;
    step.technique = technique;
    appendCandidates(step.proof, pivot, marks.at(pivot));
    appendCandidates(step.proof, first, marks.at(first));
    appendCandidates(step.proof, second, marks.at(second));
    step.units = {unitByte(sharedUnit(pivot, first)), unitByte(sharedUnit(pivot, second))};
    appendCells(step.eliminations, targets, digit);
    return step;
}

// The first pivot (in cell order) whose pincers `fits` accepts and whose
// eliminations `targets` finds non-empty. Pincers are bivalue peers of the
// pivot, the first before the second in peer order.
template <typename Fits, typename Targets>
std::optional<Step> findPivotWing(Technique technique, const Candidates& marks, int pivotSize,
                                  Fits fits, Targets targets) {
    const DigitCells byDigit = cellsByDigit(marks);
    const CellSet bivalue = bivalueCells(marks);
    for (int pivot = 0; pivot < Cells; ++pivot) {
        const Digits pivotDigits = marks.at(pivot);
        if (digitCount(pivotDigits) != pivotSize)
            continue;
        const CellSet pincers = PeerSets[pivot] & bivalue;
        std::optional<Step> found;
        pincers.forEach([&](int first) {
            pincers.forEach([&](int second) {
                if (found || second <= first)
                    return;
                const Digits a = marks.at(first);
                const Digits b = marks.at(second);
                if (!fits(pivotDigits, a, b))
                    return;
                const int z = firstDigit(a & b);
                const CellSet hit = targets(pivot, first, second) & byDigit[z - 1];
                if (!hit.empty()) {
                    // The pincer sharing the pivot's smaller digit comes first.
                    const bool swap = firstDigit(pivotDigits & b) < firstDigit(pivotDigits & a);
                    found = wingStep(technique, marks, pivot, swap ? second : first,
                                     swap ? first : second, z, hit);
                }
            });
        });
        if (found)
            return found;
    }
    return std::nullopt;
}

// A strong link on `x` from a peer of `first` to a peer of `second`, as the
// unit and its two places; none when there is none.
struct Link {
    int unit, nearFirst, nearSecond;
};

std::optional<Link> findBridge(const Candidates& marks, int first, int second, int x) {
    for (int unit = 0; unit < Units; ++unit) {
        const auto places = pairPlaces(marks, unit, x);
        if (!places)
            continue;
        const auto [a, b] = *places;
        if (seesEachOther(a, first) && seesEachOther(b, second))
            return Link{unit, a, b};
        if (seesEachOther(b, first) && seesEachOther(a, second))
            return Link{unit, b, a};
    }
    return std::nullopt;
}

Step wWingStep(int first, int second, int x, int y, const Link& link, CellSet targets) {
    Step step;
    step.technique = Technique::WWing;
    step.proof = {candidate(first, y),           candidate(first, x),  candidate(link.nearFirst, x),
                  candidate(link.nearSecond, x), candidate(second, x), candidate(second, y)};
    step.units = {unitByte(link.unit), unitByte(sharedUnit(first, link.nearFirst)),
                  unitByte(sharedUnit(link.nearSecond, second))};
    appendCells(step.eliminations, targets, y);
    return step;
}

} // namespace

std::optional<Step> findXYWing(const Candidates& marks) {
    const auto fits = [](Digits pivot, Digits a, Digits b) {
        return a != pivot && b != pivot && a != b && digitCount(pivot | a | b) == 3;
    };
    const auto targets = [](int, int first, int second) {
        return PeerSets[first] & PeerSets[second];
    };
    return findPivotWing(Technique::XYWing, marks, 2, fits, targets);
}

std::optional<Step> findXYZWing(const Candidates& marks) {
    const auto fits = [](Digits pivot, Digits a, Digits b) {
        return a != b && (a & ~pivot) == 0 && (b & ~pivot) == 0;
    };
    const auto targets = [](int pivot, int first, int second) {
        return PeerSets[pivot] & PeerSets[first] & PeerSets[second];
    };
    return findPivotWing(Technique::XYZWing, marks, 3, fits, targets);
}

std::optional<Step> findWWing(const Candidates& marks) {
    const DigitCells byDigit = cellsByDigit(marks);
    const CellSet bivalue = bivalueCells(marks);
    std::optional<Step> found;
    bivalue.forEach([&](int first) {
        bivalue.forEach([&](int second) {
            const Digits pair = marks.at(first);
            if (found || second <= first || marks.at(second) != pair ||
                seesEachOther(first, second))
                return;
            for (Digits rest = pair; rest != 0 && !found; rest &= rest - 1) {
                const int x = firstDigit(rest);
                const int y = firstDigit(pair & ~digitBit(x));
                const CellSet targets = PeerSets[first] & PeerSets[second] & byDigit[y - 1];
                if (targets.empty())
                    continue;
                if (const auto link = findBridge(marks, first, second, x))
                    found = wWingStep(first, second, x, y, *link, targets);
            }
        });
    });
    return found;
}

} // namespace engine
