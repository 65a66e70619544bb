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

constexpr std::array<std::pair<Technique, std::string_view>, 21> DisplayNames = {{
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
    {Technique::XChain, "X-chain"},
    {Technique::XYChain, "XY-chain"},
    {Technique::Aic, "Alternating inference chain"},
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
