// The wording of steps.
#include "engine/Explain.h"

#include "engine/Grid.h"
#include "engine/PuzzleText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace engine {

namespace {

constexpr std::array<std::pair<Technique, std::string_view>, 27> DisplayNames = {{
    {Technique::HiddenSingle, "Hidden single"},
    {Technique::NakedSingle, "Naked single"},
    {Technique::Pointing, "Pointing"},
    {Technique::Claiming, "Claiming"},
    {Technique::NakedPair, "Naked pair"},
    {Technique::HiddenPair, "Hidden pair"},
    {Technique::XWing, "X-wing"},
    {Technique::NakedTriple, "Naked triple"},
    {Technique::HiddenTriple, "Hidden triple"},
    {Technique::XYWing, "XY-wing"},
    {Technique::SimpleColouring, "Simple colouring"},
    {Technique::NakedQuad, "Naked quad"},
    {Technique::HiddenQuad, "Hidden quad"},
    {Technique::Swordfish, "Swordfish"},
    {Technique::XYZWing, "XYZ-wing"},
    {Technique::WWing, "W-wing"},
    {Technique::Jellyfish, "Jellyfish"},
    {Technique::UniqueRectangle, "Unique rectangle"},
    {Technique::UniqueRectangle2, "Unique rectangle type 2"},
    {Technique::UniqueRectangle4, "Unique rectangle type 4"},
    {Technique::XChain, "X-chain"},
    {Technique::XYChain, "XY-chain"},
    {Technique::Aic, "Alternating inference chain"},
    {Technique::GroupedAic, "Grouped alternating inference chain"},
    {Technique::AlsChain, "Almost locked set chain"},
    {Technique::ForcingChain, "Forcing chains"},
}};

std::string digitText(int digit) {
    return std::string(1, static_cast<char>('0' + digit));
}

// "a", "a and b", "a, b and c".
std::string joinAnd(const std::vector<std::string>& words) {
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0)
            text += i + 1 == words.size() ? " and " : ", ";
        text += words[i];
    }
    return text;
}

// "r2c5, r2c7".
std::string cellList(const std::vector<int>& cells) {
    std::string text;
    for (int cell : cells)
        text += (text.empty() ? "" : ", ") + cellName(cell);
    return text;
}

// The cells of `digits`, each once, in their first order.
std::vector<int> cellsOf(const std::vector<CellDigit>& digits) {
    std::vector<int> cells;
    for (const CellDigit& entry : digits)
        if (std::find(cells.begin(), cells.end(), entry.cell) == cells.end())
            cells.push_back(entry.cell);
    return cells;
}

std::vector<std::string> cellNames(const std::vector<int>& cells) {
    std::vector<std::string> names;
    for (int cell : cells)
        names.push_back(cellName(cell));
    return names;
}

// The digits of `digits`, each once, smallest first.
std::vector<std::string> digitNames(const std::vector<CellDigit>& digits) {
    Digits set = 0;
    for (const CellDigit& entry : digits)
        set |= digitBit(entry.digit);
    std::vector<std::string> names;
    for (int digit = 1; digit <= 9; ++digit)
        if ((set & digitBit(digit)) != 0)
            names.push_back(digitText(digit));
    return names;
}

// "rows 2 and 7", "column 4".
std::string linesName(const std::vector<std::uint8_t>& units) {
    std::vector<std::string> numbers;
    for (int unit : units)
        numbers.push_back(digitText(unit % 9 + 1));
    const std::string kind = units.front() < 9 ? "row" : "column";
    return kind + (numbers.size() > 1 ? "s " : " ") + joinAnd(numbers);
}

// "4 goes from r2c5, r2c7; 8 from r3c9", digits smallest first.
std::string removals(const std::vector<CellDigit>& eliminations) {
    std::string text;
    for (int digit = 1; digit <= 9; ++digit) {
        std::vector<int> cells;
        for (const CellDigit& entry : eliminations)
            if (entry.digit == digit)
                cells.push_back(entry.cell);
        if (cells.empty())
            continue;
        text +=
            text.empty() ? digitText(digit) + " goes from " : "; " + digitText(digit) + " from ";
        text += cellList(cells);
    }
    return text;
}

// "r3c2 is 5 and r4c4 is 1".
std::string placementText(const std::vector<CellDigit>& placements) {
    std::vector<std::string> parts;
    for (const CellDigit& entry : placements)
        parts.push_back(cellName(entry.cell) + " is " + digitText(entry.digit));
    return joinAnd(parts);
}

// "r1c2 (4, 7), r2c5 (4)": the proof's candidates, those of one cell in a row
// grouped.
std::string proofText(const std::vector<CellDigit>& proof) {
    std::string text;
    for (std::size_t i = 0; i < proof.size();) {
        std::string digits;
        std::size_t j = i;
        for (; j < proof.size() && proof[j].cell == proof[i].cell; ++j)
            digits += (j > i ? ", " : "") + digitText(proof[j].digit);
        text += (text.empty() ? "" : ", ") + cellName(proof[i].cell) + " (" + digits + ")";
        i = j;
    }
    return text;
}

std::string outcome(const Step& step) {
    std::string text = placementText(step.placements);
    if (!step.eliminations.empty())
        text += (text.empty() ? "" : " and ") + removals(step.eliminations);
    return text;
}

// The wordings below read the fields their finders fill; a step without them
// is described from its fields instead.
std::optional<std::string> single(const Step& step) {
    if (step.placements.size() != 1)
        return std::nullopt;
    const CellDigit placed = step.placements.front();
    if (step.technique == Technique::NakedSingle)
        return ": " + cellName(placed.cell) + " can only be " + digitText(placed.digit);
    if (step.units.empty())
        return std::nullopt;
    return ": the only place for " + digitText(placed.digit) + " in " +
           unitName(step.units.front()) + " is " + cellName(placed.cell);
}

std::optional<std::string> locked(const Step& step) {
    if (step.units.size() != 2 || step.proof.empty() || step.eliminations.empty())
        return std::nullopt;
    return ": in " + unitName(step.units[0]) + ", " + digitText(step.proof.front().digit) +
           " lies only in " + unitName(step.units[1]) + ", so it goes from " +
           cellList(cellsOf(step.eliminations));
}

std::optional<std::string> nakedSubset(const Step& step) {
    if (step.units.empty() || step.proof.empty() || step.eliminations.empty())
        return std::nullopt;
    return ": in " + unitName(step.units.front()) + ", " + joinAnd(cellNames(cellsOf(step.proof))) +
           " hold only " + joinAnd(digitNames(step.proof)) + ", so they go from " +
           cellList(cellsOf(step.eliminations));
}

std::optional<std::string> hiddenSubset(const Step& step) {
    if (step.units.empty() || step.proof.empty())
        return std::nullopt;
    return ": in " + unitName(step.units.front()) + ", " + joinAnd(digitNames(step.proof)) +
           " fit only " + joinAnd(cellNames(cellsOf(step.proof))) +
           ", so those cells lose their other digits";
}

// The units of a fish: its base lines, then as many cover lines.
std::optional<std::string> fish(const Step& step) {
    if (step.units.size() < 4 || step.units.size() % 2 != 0 || step.proof.empty() ||
        step.eliminations.empty())
        return std::nullopt;
    const auto half = static_cast<std::ptrdiff_t>(step.units.size() / 2);
    const std::vector<std::uint8_t> base(step.units.begin(), step.units.begin() + half);
    const std::vector<std::uint8_t> cover(step.units.begin() + half, step.units.end());
    return " on " + digitText(step.proof.front().digit) + " in " + linesName(base) + ", " +
           linesName(cover) + ": " + removals(step.eliminations);
}

// The proof split into its nodes by nodeSizes (every entry a node when it is
// empty); none when the sizes do not add up to the proof.
std::optional<std::vector<std::vector<CellDigit>>> proofNodes(const Step& step) {
    std::vector<std::vector<CellDigit>> nodes;
    std::size_t next = 0;
    for (std::size_t i = 0;
         i < (step.nodeSizes.empty() ? step.proof.size() : step.nodeSizes.size()); ++i) {
        const std::size_t size = step.nodeSizes.empty() ? 1 : step.nodeSizes[i];
        if (size == 0 || next + size > step.proof.size())
            return std::nullopt;
        nodes.emplace_back(step.proof.begin() + static_cast<std::ptrdiff_t>(next),
                           step.proof.begin() + static_cast<std::ptrdiff_t>(next + size));
        next += size;
    }
    if (next != step.proof.size())
        return std::nullopt;
    return nodes;
}

bool oneDigit(const std::vector<CellDigit>& node) {
    return std::all_of(node.begin(), node.end(),
                       [&](const CellDigit& entry) { return entry.digit == node.front().digit; });
}

// "r1c2" for one cell, "{r1c2 r1c3}" for a group.
std::string cellsText(const std::vector<CellDigit>& node) {
    const std::vector<int> cells = cellsOf(node);
    if (cells.size() == 1)
        return cellName(cells.front());
    std::string text;
    for (int cell : cells)
        text += (text.empty() ? "{" : " ") + cellName(cell);
    return text + "}";
}

// "(5)r1c2 = (5)r4c2 - (3)r4c2 =[ALS r4c5 r4c6]= (7)r4c6": strong links "=",
// weak links "-", an almost locked set named in the strong link it makes.
std::string chainText(const std::vector<std::vector<CellDigit>>& nodes, bool withDigits) {
    std::string text;
    bool strong = true;
    std::string viaSet;
    for (const auto& node : nodes) {
        if (!oneDigit(node)) {
            viaSet = "[ALS " + cellList(cellsOf(node)) + "]";
            continue;
        }
        if (!text.empty()) {
            text += !strong ? " - " : viaSet.empty() ? " = " : " =" + viaSet + "= ";
            strong = !strong;
        }
        viaSet.clear();
        text += (withDigits ? "(" + digitText(node.front().digit) + ")" : "") + cellsText(node);
    }
    return text;
}

// "r1c2 (5=3) - r1c8 (3=7)": a chain of bivalue cells, two nodes each.
std::optional<std::string> cellChainText(const std::vector<std::vector<CellDigit>>& nodes) {
    if (nodes.size() % 2 != 0)
        return std::nullopt;
    std::string text;
    for (std::size_t i = 0; i < nodes.size(); i += 2) {
        if (nodes[i].size() != 1 || nodes[i + 1].size() != 1 ||
            nodes[i].front().cell != nodes[i + 1].front().cell)
            return std::nullopt;
        text += (i > 0 ? " - " : "") + cellName(nodes[i].front().cell) + " (" +
                digitText(nodes[i].front().digit) + "=" + digitText(nodes[i + 1].front().digit) +
                ")";
    }
    return text;
}

std::optional<std::string> chain(const Step& step) {
    const auto nodes = proofNodes(step);
    if (!nodes || nodes->size() < 2 || (step.placements.empty() && step.eliminations.empty()))
        return std::nullopt;
    if (step.technique == Technique::XChain && oneDigit(step.proof))
        return " on " + digitText(step.proof.front().digit) + ": " + chainText(*nodes, false) +
               ", so " + outcome(step);
    if (step.technique == Technique::XYChain)
        if (auto text = cellChainText(*nodes))
            return ": " + *text + ", so " + outcome(step);
    return ": " + chainText(*nodes, true) + ", so " + outcome(step);
}

// "r2c3 (4/7)".
std::string cellDigits(const std::vector<CellDigit>& proof, std::size_t from, std::size_t count) {
    std::string digits;
    for (std::size_t i = from; i < from + count; ++i)
        digits += (i > from ? "/" : "") + digitText(proof[i].digit);
    return cellName(proof[from].cell) + " (" + digits + ")";
}

// A pivot of `pivotSize` candidates, then two pincers of two.
std::optional<std::string> wing(const Step& step, std::size_t pivotSize) {
    const auto& proof = step.proof;
    if (proof.size() != pivotSize + 4 || step.eliminations.empty())
        return std::nullopt;
    const std::vector<int> cells = cellsOf(proof);
    if (cells.size() != 3)
        return std::nullopt;
    return ": pivot " + cellDigits(proof, 0, pivotSize) + " with " +
           cellDigits(proof, pivotSize, 2) + " and " + cellDigits(proof, pivotSize + 2, 2) + ": " +
           removals(step.eliminations);
}

// (y) first cell, (x) first cell, the link's two places, (x) second, (y) second.
std::optional<std::string> wWing(const Step& step) {
    const auto& proof = step.proof;
    if (proof.size() != 6 || step.units.empty() || step.eliminations.empty())
        return std::nullopt;
    const std::string x = digitText(proof[1].digit);
    const std::string y = digitText(proof[0].digit);
    return ": " + cellName(proof[0].cell) + " and " + cellName(proof[5].cell) + " hold only " +
           joinAnd(digitNames({proof[0], proof[1]})) + "; " + x + " lies only in " +
           cellName(proof[2].cell) + " and " + cellName(proof[3].cell) + " of " +
           unitName(step.units.front()) + ", so one of the two cells is " + y + ": " +
           removals(step.eliminations);
}

// Two nodes, one per colour; a wrap takes one colour's own cells.
std::optional<std::string> colouring(const Step& step) {
    const auto nodes = proofNodes(step);
    if (!nodes || nodes->size() != 2 || !oneDigit(step.proof) || step.eliminations.empty())
        return std::nullopt;
    const bool wrap = std::all_of(
        step.eliminations.begin(), step.eliminations.end(), [&](const CellDigit& entry) {
            return std::find(step.proof.begin(), step.proof.end(), entry) != step.proof.end();
        });
    const std::string digit = digitText(step.proof.front().digit);
    return " on " + digit + ": " + cellList(cellsOf((*nodes)[0])) + " against " +
           cellList(cellsOf((*nodes)[1])) +
           (wrap
                ? "; two cells of one colour share a unit, so " + digit + " goes from that colour: "
                : "; cells that see both colours cannot hold it: ") +
           cellList(cellsOf(step.eliminations));
}

// The floor's pairs, then the roof's candidates.
std::optional<std::string> uniqueRectangle(const Step& step) {
    const std::vector<int> corners = cellsOf(step.proof);
    if (corners.size() != 4 || step.eliminations.empty())
        return std::nullopt;
    std::vector<std::string> pair = digitNames({step.proof[0], step.proof[1]});
    if (pair.size() != 2)
        return std::nullopt;
    return " on " + joinAnd(pair) + " in " + joinAnd(cellNames(corners)) +
           ": so that the two digits cannot swap, " + removals(step.eliminations);
}

// The branches of forcing chains, each ending on the concluded candidate; the
// starts share a cell (a cell's candidates) or a digit (a unit's places).
std::optional<std::string> forcing(const Step& step) {
    const auto nodes = proofNodes(step);
    const std::vector<CellDigit>& outcomeOf =
        step.placements.empty() ? step.eliminations : step.placements;
    if (!nodes || outcomeOf.size() != 1 || step.placements.size() + step.eliminations.size() != 1)
        return std::nullopt;
    const CellDigit target = outcomeOf.front();
    std::vector<CellDigit> starts;
    bool atStart = true;
    for (const auto& node : *nodes) {
        if (atStart)
            starts.push_back(node.front());
        atStart = node.size() == 1 && node.front() == target;
    }
    if (starts.size() < 2 || !atStart)
        return std::nullopt;
    const bool sameCell = std::all_of(starts.begin(), starts.end(),
                                      [&](CellDigit s) { return s.cell == starts.front().cell; });
    const std::string from =
        sameCell ? cellName(starts.front().cell) + " (" + joinAnd(digitNames(starts)) + ")"
        : step.units.empty()
            ? std::string()
            : digitText(starts.front().digit) + " in " + unitName(step.units.front()) + " (" +
                  joinAnd(cellNames(cellsOf(starts))) + ")";
    if (from.empty())
        return std::nullopt;
    return " from " + from + ": each makes " + cellName(target.cell) +
           (step.placements.empty() ? " not " : " ") + digitText(target.digit) + ", so " +
           outcome(step);
}

std::optional<std::string> ownWording(const Step& step) {
    switch (step.technique) {
    case Technique::HiddenSingle:
    case Technique::NakedSingle:
        return single(step);
    case Technique::Pointing:
    case Technique::Claiming:
        return locked(step);
    case Technique::NakedPair:
    case Technique::NakedTriple:
    case Technique::NakedQuad:
        return nakedSubset(step);
    case Technique::HiddenPair:
    case Technique::HiddenTriple:
    case Technique::HiddenQuad:
        return hiddenSubset(step);
    case Technique::XWing:
    case Technique::Swordfish:
    case Technique::Jellyfish:
        return fish(step);
    case Technique::XYWing:
        return wing(step, 2);
    case Technique::XYZWing:
        return wing(step, 3);
    case Technique::WWing:
        return wWing(step);
    case Technique::SimpleColouring:
        return colouring(step);
    case Technique::UniqueRectangle:
    case Technique::UniqueRectangle2:
    case Technique::UniqueRectangle4:
        return uniqueRectangle(step);
    case Technique::XChain:
    case Technique::XYChain:
    case Technique::Aic:
    case Technique::GroupedAic:
    case Technique::AlsChain:
        return chain(step);
    case Technique::ForcingChain:
        return forcing(step);
    default:
        return std::nullopt;
    }
}

std::string fromFields(const Step& step) {
    if (step.proof.empty())
        return outcome(step);
    return proofText(step.proof) + ", so " + outcome(step);
}

} // namespace

std::string displayName(Technique technique) {
    for (const auto& [known, name] : DisplayNames)
        if (known == technique)
            return std::string(name);
    std::string name(techniqueName(technique));
    std::replace(name.begin(), name.end(), '-', ' ');
    name.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(name.front())));
    return name;
}

std::string unitName(int unit) {
    static constexpr std::array<std::string_view, 3> Kinds = {"row ", "column ", "box "};
    return std::string(Kinds[unit / 9]) + digitText(unit % 9 + 1);
}

std::string describe(const Step& step) {
    if (auto text = ownWording(step))
        return displayName(step.technique) + *text;
    return displayName(step.technique) + ": " + fromFields(step);
}

} // namespace engine
