// Describing steps that have no wording of their own, or lack the fields their wording reads.
#include "engine/Explain.h"

#include "EngineText.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

CellDigit at(std::string_view cell, int digit) {
    return {static_cast<std::uint8_t>(cellNamed(cell)), static_cast<std::uint8_t>(digit)};
}

struct DescribedStep {
    const char* name;
    Step step;
    std::string_view description;
};

const DescribedStep DescribedSteps[] = {
    // A wing without its second pincer is read from its proof, a cell's digits
    // grouped.
    {"xyWingWithoutAPincer",
     {Technique::XYWing,
      {},
      {at("r3c2", 9), at("r3c4", 9)},
      {at("r1c2", 4), at("r1c2", 9), at("r1c5", 4), at("r1c5", 7)},
      {}},
     "XY-wing: r1c2 (4, 9), r1c5 (4, 7), so 9 goes from r3c2, r3c4"},
    {"chainPlacingAndEliminating",
     {Technique::Aic,
      {at("r5c5", 3)},
      {at("r5c6", 8), at("r2c1", 1)},
      {at("r5c5", 3), at("r9c5", 3)},
      {}},
     "Alternating inference chain: (3)r5c5 = (3)r9c5, so r5c5 is 3 and 1 goes from r2c1; 8 "
     "from r5c6"},
    // Node sizes that do not add up to the proof leave the chain unread.
    {"chainWithBrokenNodes",
     {Technique::GroupedAic, {}, {at("r1c1", 2)}, {at("r1c5", 2), at("r1c6", 2)}, {}, {3}},
     "Grouped alternating inference chain: r1c5 (2), r1c6 (2), so 2 goes from r1c1"},
    // A hand-made step missing what its wording needs still gets a line.
    {"hiddenSingleWithoutUnit",
     {Technique::HiddenSingle, {at("r1c1", 5)}, {}, {at("r1c1", 5)}, {}},
     "Hidden single: r1c1 (5), so r1c1 is 5"},
    {"fishWithoutCoverLines",
     {Technique::XWing, {}, {at("r2c2", 1)}, {at("r1c1", 1)}, {0}},
     "X-wing: r1c1 (1), so 1 goes from r2c2"},
    {"emptyPointing", {Technique::Pointing, {}, {}, {}, {}}, "Pointing: "},
};

TEST(Explain, AStepIsDescribedFromItsFieldsWhenItHasNoWordingOfItsOwn) {
    for (const DescribedStep& described : DescribedSteps) {
        SCOPED_TRACE(described.name);
        EXPECT_EQ(describe(described.step), described.description);
    }
}

ChainLink link(std::vector<CellDigit> from, std::vector<CellDigit> to, bool strong,
               std::uint8_t unit = NoUnit, std::uint8_t depth = 0) {
    return {std::move(from), std::move(to), strong, unit, 0, depth};
}

struct LinkedStep {
    const char* name;
    Step step;
    std::vector<std::string> lines;
};

const LinkedStep LinkedSteps[] = {
    // A chain: each link a line, a group told as "5 is in ...".
    {"groupedChain",
     {Technique::GroupedAic,
      {},
      {at("r6c1", 5)},
      {},
      {},
      {},
      {link({at("r1c2", 5)}, {at("r4c2", 5)}, true, colUnit(1)),
       link({at("r4c2", 5)}, {at("r4c2", 3)}, false),
       link({at("r4c2", 3)}, {at("r4c4", 3), at("r6c4", 3)}, true, rowUnit(3))}},
     {"r1c2 is not 5, so r4c2 is 5 (column 2)", "r4c2 is 5, so it is not 3",
      "r4c2 is not 3, so 3 is in r4c4 or r6c4 (row 4)"}},
    // A contradiction: what the assumption takes in one line each for its cell
    // and its peers, a fact that rests on two, a nested chain ending in a cell
    // with no digit, and the contradiction it all ends in.
    {"dynamicContradiction",
     {Technique::DynamicForcingChain,
      {},
      {at("r1c1", 5)},
      {at("r1c1", 5), at("r1c7", 4), at("r1c8", 4)},
      {},
      {1, 2},
      {link({at("r1c1", 5)}, {at("r1c1", 7)}, false),
       link({at("r1c1", 5)}, {at("r1c4", 5)}, false, rowUnit(0)),
       link({at("r1c1", 5)}, {at("r1c9", 5)}, false, rowUnit(0)),
       link({at("r1c4", 7)}, {at("r2c5", 7)}, false, boxUnit(1), 1),
       link({at("r2c5", 2), at("r2c5", 7)}, {}, false, NoUnit, 1),
       link({at("r1c1", 7)}, {at("r1c7", 7)}, true, rowUnit(0)),
       link({at("r1c4", 7)}, {at("r1c7", 7)}, true, rowUnit(0)),
       link({at("r1c7", 4), at("r1c8", 4)}, {}, false, rowUnit(0))}},
     {"If r1c1 were 5:", "  r1c1 is 5, so it is not 7",
      "  r1c1 is 5, so r1c4 and r1c9 are not 5 (row 1)",
      "  r1c4 is not 7, for if it were:", "    r1c4 is 7, so r2c5 is not 7 (box 2)",
      "    so r2c5 would lose every digit", "  r1c1 and r1c4 are not 7, so r1c7 is 7 (row 1)",
      "  so row 1 would have no place left for 4"}},
};

TEST(Explain, AChainStepIsExplainedAFactALineAndNestedChainsIndented) {
    for (const LinkedStep& linked : LinkedSteps) {
        SCOPED_TRACE(linked.name);
        EXPECT_EQ(explainLinks(linked.step), linked.lines);
    }
    EXPECT_TRUE(explainLinks(Step{}).empty());
}

} // namespace
} // namespace engine
