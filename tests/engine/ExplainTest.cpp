// Describing steps that have no wording of their own, or lack the fields
// their wording reads.
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

TEST(Explain, UnitsAreNamedFromOneBoxesLeftToRightTopToBottom) {
    EXPECT_EQ(unitName(rowUnit(0)), "row 1");
    EXPECT_EQ(unitName(colUnit(8)), "column 9");
    EXPECT_EQ(unitName(boxUnit(boxOf(cellAt(1, 7)))), "box 3");
    EXPECT_EQ(unitName(boxUnit(boxOf(cellAt(4, 0)))), "box 4");
}

} // namespace
} // namespace engine
