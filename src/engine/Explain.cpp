// The wording of steps.
#include "engine/Explain.h"

#include "engine/Grid.h"
#include "engine/PuzzleText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace engine {

namespace {

constexpr std::array<std::pair<Technique, std::string_view>, 28> DisplayNames = {{
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
    {Technique::DynamicForcingChain, "Dynamic forcing chains"},
    {Technique::NestedForcingChain, "Nested forcing chains"},
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

// "r8c8 (1, 4 and 9)" when the starts share a cell, "1 in column 5 (r1c5, r6c5
// and r9c5)" when they are a digit's places in the step's first unit; empty
// otherwise.
std::string startsText(const Step& step, const std::vector<CellDigit>& starts) {
    const bool sameCell = std::all_of(starts.begin(), starts.end(),
                                      [&](CellDigit s) { return s.cell == starts.front().cell; });
    if (sameCell)
        return cellName(starts.front().cell) + " (" + joinAnd(digitNames(starts)) + ")";
    if (step.units.empty())
        return {};
    return digitText(starts.front().digit) + " in " + unitName(step.units.front()) + " (" +
           joinAnd(cellNames(cellsOf(starts))) + ")";
}

// " from r8c8 (1, 4 and 9): each makes r8c3 not 1, so 1 goes from r8c3".
std::optional<std::string> fromStarts(const Step& step, const std::vector<CellDigit>& starts,
                                      CellDigit target) {
    const std::string from = startsText(step, starts);
    if (starts.size() < 2 || from.empty())
        return std::nullopt;
    return " from " + from + ": each makes " + cellName(target.cell) +
           (step.placements.empty() ? " not " : " ") + digitText(target.digit) + ", so " +
           outcome(step);
}

// The one candidate a step places or eliminates.
std::optional<CellDigit> onlyChange(const Step& step) {
    if (step.placements.size() + step.eliminations.size() != 1)
        return std::nullopt;
    return step.placements.empty() ? step.eliminations.front() : step.placements.front();
}

// The branches of forcing chains, each ending on the concluded candidate; the
// starts share a cell (a cell's candidates) or a digit (a unit's places).
std::optional<std::string> forcing(const Step& step) {
    const auto nodes = proofNodes(step);
    const auto target = onlyChange(step);
    if (!nodes || !target)
        return std::nullopt;
    std::vector<CellDigit> starts;
    bool atStart = true;
    for (const auto& node : *nodes) {
        if (atStart)
            starts.push_back(node.front());
        atStart = node.size() == 1 && node.front() == *target;
    }
    if (!atStart)
        return std::nullopt;
    return fromStarts(step, starts, *target);
}

// "r7c3 would lose every digit", "row 4 would have no place left for 3".
std::string conflictText(const ChainLink& link) {
    if (link.from.empty())
        return "nothing would be left";
    if (link.unit == NoUnit)
        return cellName(link.from.front().cell) + " would lose every digit";
    return unitName(link.unit) + " would have no place left for " +
           digitText(link.from.front().digit);
}

// The contradiction a step's own chain ends in: its last link into nothing.
const ChainLink* ownConflict(const Step& step) {
    for (auto link = step.links.rbegin(); link != step.links.rend(); ++link)
        if (link->depth == 0 && link->to.empty())
            return &*link;
    return nullptr;
}

// A contradiction (the assumed candidate, then what it takes away) or the
// starts of forcing chains (Dynamic.h).
std::optional<std::string> dynamicForcing(const Step& step) {
    const auto target = onlyChange(step);
    if (!target)
        return std::nullopt;
    if (step.nodeSizes.empty())
        return fromStarts(step, step.proof, *target);
    const ChainLink* conflict = ownConflict(step);
    if (conflict == nullptr || step.eliminations.empty())
        return std::nullopt;
    return ": if " + cellName(target->cell) + " were " + digitText(target->digit) + ", " +
           conflictText(*conflict) + ": " + cellName(target->cell) + " is not " +
           digitText(target->digit);
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
    case Technique::DynamicForcingChain:
    case Technique::NestedForcingChain:
        return dynamicForcing(step);
    default:
        return std::nullopt;
    }
}

std::string fromFields(const Step& step) {
    if (step.proof.empty())
        return outcome(step);
    return proofText(step.proof) + ", so " + outcome(step);
}

// "a", "a or b", "a, b or c".
std::string joinOr(const std::vector<std::string>& words) {
    std::string text = joinAnd(words);
    if (const auto last = text.rfind(" and "); last != std::string::npos)
        text.replace(last, 5, " or ");
    return text;
}

// "r4c2", "r4c4 or r6c4": the cells of a node, one of which holds its digit.
std::string nodeCells(const std::vector<CellDigit>& node) {
    return joinOr(cellNames(cellsOf(node)));
}

// "r4c2 is 5", "5 is in r4c4 or r6c4".
std::string truePhrase(const std::vector<CellDigit>& node) {
    const std::string digit = digitText(node.front().digit);
    if (cellsOf(node).size() == 1)
        return cellName(node.front().cell) + " is " + digit;
    return digit + " is in " + nodeCells(node);
}

// "r1c1 is not 2, 3 or 9", "r2c2 and r2c5 are not 4": nodes that are false,
// told together when they share a cell or a digit.
std::string falsePhrase(const std::vector<std::vector<CellDigit>>& nodes) {
    std::vector<CellDigit> all;
    for (const auto& node : nodes)
        all.insert(all.end(), node.begin(), node.end());
    const std::vector<int> cells = cellsOf(all);
    if (cells.size() == 1)
        return cellName(cells.front()) + " is not " + joinOr(digitNames(all));
    if (oneDigit(all))
        return joinAnd(cellNames(cells)) + " are not " + digitText(all.front().digit);
    std::vector<std::string> parts;
    for (const auto& node : nodes)
        parts.push_back(falsePhrase({node}));
    return joinAnd(parts);
}

// " (row 2)" when every link runs through one unit.
std::string unitSuffix(std::span<const ChainLink> links) {
    const std::uint8_t unit = links.front().unit;
    const bool shared = std::all_of(links.begin(), links.end(),
                                    [&](const ChainLink& link) { return link.unit == unit; });
    return shared && unit != NoUnit ? " (" + unitName(unit) + ")" : "";
}

bool inOneCell(const std::vector<CellDigit>& a, const std::vector<CellDigit>& b) {
    return cellsOf(a).size() == 1 && cellsOf(b).size() == 1 && a.front().cell == b.front().cell;
}

// A fact and the links it follows from: "r2c2 and r2c5 are not 4, so r2c8 is
// 4 (row 2)", "r1c1 is not 2 or 9, so it is 5".
std::string followsLine(std::span<const ChainLink> links) {
    const ChainLink& last = links.back();
    if (last.to.empty())
        return "so " + conflictText(last);
    std::vector<std::vector<CellDigit>> from;
    for (const ChainLink& link : links)
        from.push_back(link.from);
    const bool sameCell = std::all_of(from.begin(), from.end(),
                                      [&](const auto& node) { return inOneCell(node, last.to); });
    const std::string digit = digitText(last.to.front().digit);
    if (last.strong)
        return falsePhrase(from) + ", so " + (sameCell ? "it is " + digit : truePhrase(last.to)) +
               unitSuffix(links);
    return truePhrase(from.front()) + ", so " +
           (sameCell ? "it is not " + digit : falsePhrase({last.to})) + unitSuffix(links);
}

// The facts a true one takes away: "r4c8 is 1, so it is not 2 or 7", "r2c7 is
// 1, so r4c7 and r6c7 are not 1 (column 7)".
std::string takesLine(std::span<const ChainLink> links) {
    const std::vector<CellDigit>& from = links.front().from;
    std::vector<std::vector<CellDigit>> to;
    for (const ChainLink& link : links)
        to.push_back(link.to);
    const bool sameCell =
        std::all_of(to.begin(), to.end(), [&](const auto& node) { return inOneCell(node, from); });
    std::vector<CellDigit> digits;
    for (const auto& node : to)
        digits.insert(digits.end(), node.begin(), node.end());
    return truePhrase(from) + ", so " +
           (sameCell ? "it is not " + joinOr(digitNames(digits)) : falsePhrase(to)) +
           unitSuffix(links);
}

// How many links from `first` make one line: those into one fact, or the weak
// links out of one true fact into the same cell, or into other cells.
std::size_t lineLength(const std::vector<ChainLink>& links, std::size_t first) {
    const ChainLink& link = links[first];
    const auto alike = [&](const ChainLink& other) {
        return other.branch == link.branch && other.depth == link.depth;
    };
    std::size_t end = first + 1;
    if (link.to.empty())
        return 1;
    while (end < links.size() && alike(links[end]) && links[end].to == link.to)
        ++end;
    if (end > first + 1 || link.strong)
        return end - first;
    const bool inCell = inOneCell(link.from, link.to);
    while (end < links.size() && alike(links[end]) && !links[end].strong &&
           !links[end].to.empty() && links[end].from == link.from &&
           inOneCell(links[end].from, links[end].to) == inCell)
        ++end;
    return end - first;
}

// The lines of a chain step, a fact at a time, with the line that opens each
// forcing branch or nested chain.
class LinkLines {
public:
    explicit LinkLines(const Step& step)
        : step_(step), assumes_(step.technique == Technique::ForcingChain ||
                                step.technique == Technique::DynamicForcingChain ||
                                step.technique == Technique::NestedForcingChain) {}

    std::vector<std::string> write() {
        for (std::size_t i = 0; i < step_.links.size();) {
            const ChainLink& link = step_.links[i];
            open(link);
            const std::size_t count = lineLength(step_.links, i);
            const std::span<const ChainLink> line(step_.links.data() + i, count);
            const bool takes = count > 1 && line[0].to != line[1].to;
            lines_.push_back(indent(link.depth) + (takes ? takesLine(line) : followsLine(line)));
            chainEnded_ = link.to.empty();
            i += count;
        }
        return std::move(lines_);
    }

private:
    // "If r8c8 were 1:" for a forcing branch; "r3c4 is not 7, for if it were:"
    // for a nested chain, which starts from what it assumes.
    void open(const ChainLink& link) {
        if (assumes_ && link.branch != branch_) {
            branch_ = link.branch;
            const CellDigit assumed = assumedIn(link);
            lines_.push_back("If " + cellName(assumed.cell) + " were " + digitText(assumed.digit) +
                             ":");
        }
        if (link.depth > depth_ || (chainEnded_ && link.depth == depth_ && depth_ > 0))
            lines_.push_back(indent(link.depth - 1) + cellName(link.from.front().cell) +
                             " is not " + digitText(link.from.front().digit) + ", for if it were:");
        depth_ = link.depth;
    }

    // The candidate a forcing chain's branch assumes true.
    CellDigit assumedIn(const ChainLink& first) const {
        if (step_.technique == Technique::ForcingChain || step_.proof.empty())
            return first.from.front();
        if (!step_.nodeSizes.empty())
            return step_.proof.front();
        return step_.proof[std::min<std::size_t>(first.branch, step_.proof.size() - 1)];
    }

    std::string indent(int depth) const {
        return std::string(2 * (depth + (assumes_ ? 1 : 0)), ' ');
    }

    const Step& step_;
    const bool assumes_;
    std::vector<std::string> lines_;
    int branch_ = -1;
    int depth_ = 0;
    bool chainEnded_ = false;
};

} // namespace

std::vector<std::string> explainLinks(const Step& step) {
    return LinkLines(step).write();
}

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
