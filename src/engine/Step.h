// One logical step as a value: the technique, what proves it, and what it
// places and eliminates. Techniques are listed from the simplest to the hardest;
// a solver that always takes the first technique that applies takes the
// simplest step available.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace engine {

enum class Technique : std::uint8_t {
    // easy
    HiddenSingle,
    NakedSingle,
    // medium
    Pointing,
    Claiming,
    NakedPair,
    HiddenPair,
    // hard
    XWing,
    NakedTriple,
    HiddenTriple,
    XYWing,
    SimpleColouring,
    NakedQuad,
    HiddenQuad,
    // expert
    Swordfish,
    XYZWing,
    WWing,
    Jellyfish,
    UniqueRectangle,
    UniqueRectangle2,
    UniqueRectangle4,
    XChain,
    XYChain,
    Aic,
    GroupedAic,
    AlsChain,
    ForcingChain,
    // extreme
    DynamicForcingChain,
    NestedForcingChain,
};

// The level of a puzzle: the hardest technique its logical solution needs.
// Beyond: the techniques here do not finish it (a board with no solution or
// several).
enum class Level : std::uint8_t { Easy, Medium, Hard, Expert, Extreme, Beyond };

// Lowercase words joined by "-": "hidden-single", "x-wing", "xy-chain".
std::string_view techniqueName(Technique technique);
std::optional<Technique> techniqueNamed(std::string_view name);
Level levelOf(Technique technique);
// "easy", "medium", "hard", "expert", "extreme", "beyond".
std::string_view levelName(Level level);
std::optional<Level> levelNamed(std::string_view name);

// A digit in a cell: a candidate, a placement or an elimination.
struct CellDigit {
    std::uint8_t cell = 0;  // 0-80
    std::uint8_t digit = 0; // 1-9
    friend bool operator==(CellDigit, CellDigit) = default;
};

inline constexpr std::uint8_t NoUnit = 0xFF;

// One link of a chain, for drawing it as an arrow and wording it. Each end is a
// candidate, or a group of candidates of one digit one of which is true (a
// box-line crossing, an almost locked set's places of a digit).
// Strong: if `from` is false, `to` is true (drawn solid). Weak: if `from` is
// true, `to` is false (drawn dashed).
// A chain that ends in a contradiction ends in a link with `to` empty: `from`
// holds every candidate the chain took from a cell (`unit` NoUnit) or every
// place of a digit in `unit`; it is no arrow.
struct ChainLink {
    std::vector<CellDigit> from;
    std::vector<CellDigit> to;
    bool strong = false;
    // The unit the link runs through; NoUnit inside one cell.
    std::uint8_t unit = NoUnit;
    // Forcing chains: which start the link follows from, in the order of the
    // step's proof; 0 for other chains.
    std::uint8_t branch = 0;
    // 0 for the step's own chain. The links one level deeper that follow one
    // another form a nested chain: it assumes the candidate its first link
    // starts from and ends in a contradiction, so that candidate is false; it
    // comes just before the links that rest on that. The grids may leave
    // nested chains out.
    std::uint8_t depth = 0;
    friend bool operator==(const ChainLink&, const ChainLink&) = default;
};

struct Step {
    Technique technique = Technique::HiddenSingle;
    std::vector<CellDigit> placements;
    std::vector<CellDigit> eliminations;
    // The candidates the reasoning rests on, in the order an explanation walks
    // them (a chain from one end to the other).
    std::vector<CellDigit> proof;
    // The units (Grid.h numbering) the reasoning is about, most important first.
    std::vector<std::uint8_t> units;
    // How `proof` divides into the nodes an explanation names: the number of
    // entries of each, in order; empty when every entry is a node of its own. A
    // node of several entries with one digit is a group of cells (one of them
    // holds the digit); with several digits, an almost locked set. Initialised
    // here so that steps written field by field may leave it out.
    std::vector<std::uint8_t> nodeSizes{};
    // Chain steps: their links in the order an explanation walks them (a
    // forcing chain's branches one after the other); empty for other steps.
    std::vector<ChainLink> links{};
};

} // namespace engine
