// Each technique on a board where it is the simplest step, and not again once it takes nothing.
#include "EngineText.h"
#include "engine/Chains.h"
#include "engine/Colouring.h"
#include "engine/Dynamic.h"
#include "engine/Explain.h"
#include "engine/Fish.h"
#include "engine/Forcing.h"
#include "engine/LockedCandidates.h"
#include "engine/Singles.h"
#include "engine/Solver.h"
#include "engine/Stepper.h"
#include "engine/Subsets.h"
#include "engine/Uniqueness.h"
#include "engine/Wings.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace engine {
namespace {

// Boards met on the way through qqwing puzzles; each row's technique is the
// first that applies to the board's own pencil marks. The stepper's test asks
// the rows' finders in this order.
const TechniqueCase TechniqueCases[] = {
    {"HiddenSingle", Technique::HiddenSingle, findHiddenSingle, MediumPuzzle.puzzle, "", "r1c9=2",
     "Hidden single: the only place for 2 in box 3 is r1c9"},
    {"NakedSingle", Technique::NakedSingle, findNakedSingle,
     ".....21..2...8.3.51...5.8..6.8.359.1.31...587.9..1863...7.6325....5..41.......76.", "",
     "r5c1=4", "Naked single: r5c1 can only be 4"},
    {"Pointing", Technique::Pointing, findPointing,
     "35897..1271.2589.329.13.7588..7.....1.......6......2.1.81..9..7.7.6..8..52..871.9", "",
     "r4c3-4 r5c3-4 r6c3-4 r8c3-4 r9c3-4",
     "Pointing: in box 1, 4 lies only in column 3, so it goes from r4c3, r5c3, r6c3, r8c3, r9c3"},
    {"Claiming", Technique::Claiming, findClaiming,
     ".1.248..56..193...43276589114..72..8...4...1..6.8.14.7..452.1....631....3.1.8..5.", "",
     "r4c3-9 r5c1-9 r5c2-9 r5c3-9",
     "Claiming: in row 6, 9 lies only in box 4, so it goes from r4c3, r5c1, r5c2, r5c3"},
    {"NakedPair", Technique::NakedPair, findNakedPair,
     "9.8.5.....1.6.8.9.35.9....8.457..98.68.....4....8.....59.486.1.8.129745....5138.9", "",
     "r4c5-2 r4c9-1 r4c9-2",
     "Naked pair: in row 4, r4c1 and r4c6 hold only 1 and 2, so they go from r4c5, r4c9"},
    {"HiddenPair", Technique::HiddenPair, findHiddenPair,
     "...248..56..193....3.7658.1....72..8...4...1..6.8.14.7..452.1....631....3.1.8..5.", "",
     "r2c2-2 r2c2-4 r2c2-7 r2c3-2 r2c3-7",
     "Hidden pair: in box 1, 5 and 8 fit only r2c2 and r2c3, so those cells lose their other "
     "digits"},
    {"XWing", Technique::XWing, findXWing,
     "597.46.23...23956726357.94.9.6...7.5.3576.29.7.89.5436.7..526.96.2.97.54.596...72", "",
     "r2c1-4 r7c1-4 r4c6-4",
     "X-wing on 4 in rows 5 and 9, columns 1 and 6: 4 goes from r2c1, r7c1, r4c6"},
    {"NakedTriple", Technique::NakedTriple, findNakedTriple,
     ".3..684...8.24..6.462..1...2.4.3...69.8..6...376......643719..8827654391195...674", "",
     "r4c4-5 r5c4-5 r6c4-5 r6c5-2",
     "Naked triple: in box 5, r4c6, r5c5 and r6c6 hold only 2, 5 and 7, so they go from r4c4, "
     "r5c4, r6c4, r6c5"},
    {"HiddenTriple", Technique::HiddenTriple, findHiddenTriple,
     ".82.34.9.459.728.33.1.984...9548.3...143....9..39.....92874653154.2139..13.8592..", "",
     "r5c8-2 r5c8-6 r5c8-7 r6c8-1 r6c8-2 r6c8-6 r6c8-7 r6c9-2 r6c9-6 r6c9-7",
     "Hidden triple: in box 6, 4, 5 and 8 fit only r5c8, r6c8 and r6c9, so those cells lose their "
     "other digits"},
    {"XYWing", Technique::XYWing, findXYWing,
     "4..1..628..1...5438.2.46197346981752..7453861518267439.......14..4....85..5..4.76", "",
     "r1c2-5 r3c4-5",
     "XY-wing: pivot r1c3 (3/9) with r3c2 (3/5) and r1c6 (5/9): 5 goes from r1c2, r3c4"},
    {"ColourTrap", Technique::SimpleColouring, findSimpleColouring,
     ".6147.83993.81.4.77489.31..8243.7.91.17.94.8..9.18.74..7.538914183749..5459..1378", "",
     "r3c9-2",
     "Simple colouring on 2: r3c5, r6c6, r9c4 against r5c4, r6c9, r9c5; cells that see both "
     "colours cannot hold it: r3c9"},
    {"ColourWrap", Technique::SimpleColouring, findSimpleColouring,
     "9745...2663147285982596..47.9..35468563894271.487.659335.6..914.89.4.635416359782", "",
     "r4c3-2 r4c4-2 r6c1-2 r7c5-2 r8c1-2",
     "Simple colouring on 2: r4c3, r4c4, r6c1, r7c5, r8c1 against r6c5, r7c3, r8c4; two cells of "
     "one colour share a unit, so 2 goes from that colour: r4c3, r4c4, r6c1, r7c5, r8c1"},
    {"NakedQuad", Technique::NakedQuad, findNakedQuad,
     "54.68397.896.57.4373.4..65836..45...41.......25783.4.9.2357...4.85..4...97436....", "",
     "r7c8-1 r7c8-8 r8c7-1 r8c7-2 r8c8-1 r8c8-2 r8c9-1 r8c9-2",
     "Naked quad: in box 9, r7c7, r9c7, r9c8 and r9c9 hold only 1, 2, 5 and 8, so they go from "
     "r7c8, r8c7, r8c8, r8c9"},
    // A hidden quad comes after the naked subsets, so it is the simplest step only
    // in a unit of nine empty cells; the marks are those the stepper had reached.
    {"HiddenQuad", Technique::HiddenQuad, findHiddenQuad,
     "28..4......9.......14839.7..4.69.18.7984.16..1.6...49.8..9147....17........362...",
     "r1c8-5 r1c9-5 r2c2-6 r2c7-2 r2c8-2 r2c8-5 r2c9-2 r2c9-5 r3c9-5 r4c6-5 r4c9-3 r6c5-2 "
     "r6c5-5 r6c6-5 r6c9-3 r7c2-5 r7c3-5 r8c1-3 r8c1-5 r8c1-6 r8c2-5 r8c7-5 r8c7-8 r8c8-5 "
     "r8c9-5 r8c9-8 r9c1-5 r9c7-5 r9c8-5 r9c9-5",
     "r1c9-3 r1c9-6 r2c9-3 r2c9-6 r8c9-2 r8c9-3 r8c9-6",
     "Hidden quad: in column 9, 1, 4, 8 and 9 fit only r1c9, r2c9, r8c9 and r9c9, so those cells "
     "lose their other digits"},
    {"Swordfish", Technique::Swordfish, findSwordfish,
     "6.71532.858276..131.3.28675.5...672.32..7.56176.5.283..7.2.1..693.6871.2216.95.87", "",
     "r4c3-4 r4c4-4 r6c3-4 r7c3-4 r7c7-4 r7c8-4",
     "Swordfish on 4 in columns 1, 5 and 9, rows 4, 6 and 7: 4 goes from r4c3, r4c4, r6c3, r7c3, "
     "r7c7, r7c8"},
    {"XYZWing", Technique::XYZWing, findXYZWing,
     "8..134529543269178912857.4..3894.....2.37.....9..2....2.1793.54..941....3.4.82...", "",
     "r5c7-6 r5c8-6",
     "XYZ-wing: pivot r5c9 (1/5/6) with r4c8 (1/6) and r5c3 (5/6): 6 goes from r5c7, r5c8"},
    {"WWing", Technique::WWing, findWWing,
     "5.93621.82.618.39.183.9762.32.6..98189.231.566518.923.962.18..37189.3.62435726819", "",
     "r3c4-5",
     "W-wing: r3c9 and r7c4 hold only 4 and 5; 4 lies only in r1c8 and r7c8 of column 8, so one of "
     "the two cells is 5: 5 goes from r3c4"},
    {"Jellyfish", Technique::Jellyfish, findJellyfish,
     "72.853...5.849.732934..28.5...9385.4.59..7.8.8.35...7....6.5.98685..9....92.84.5.",
     "r1c7-6 r1c9-6 r4c2-1 r4c3-1 r4c8-6 r5c5-2 r5c5-6 r5c7-1 r5c7-2 r5c9-1 r6c2-6 r6c7-6 r6c9-6 "
     "r7c5-7 r7c7-4 r8c5-2 r8c7-2 r8c9-1 r9c9-1",
     "r1c7-1 r1c8-1 r6c5-1 r6c7-1 r7c1-1 r7c5-1 r7c7-1",
     "Jellyfish on 1 in columns 2, 3, 6 and 9, rows 1, 2, 6 and 7: 1 goes from r1c7, r1c8, r6c5, "
     "r6c7, r7c1, r7c5, r7c7"},
    {"UniqueRectangle", Technique::UniqueRectangle, onUnique<findUniqueRectangle>,
     ".31...6...68..5.9.597..34...7.3218..3527841691845962..825.....6.4...852.71..52...", "",
     "r8c3-6 r8c3-9",
     "Unique rectangle on 6 and 9 in r4c1, r4c3, r8c1 and r8c3: so that the two digits cannot "
     "swap, 6 goes from r8c3; 9 from r8c3"},
    {"UniqueRectangle2", Technique::UniqueRectangle2, onUnique<findUniqueRectangle2>,
     "1.3.....9.9.....1..5..194..6179382459..125637325647981569481372....96.544..57..96",
     "r1c7-8 r2c7-8", "r2c3-2 r3c3-2 r8c1-2",
     "Unique rectangle type 2 on 1 and 8 in r8c7, r9c7, r8c3 and r9c3: so that the two digits "
     "cannot swap, 2 goes from r2c3, r3c3, r8c1"},
    {"UniqueRectangle4", Technique::UniqueRectangle4, onUnique<findUniqueRectangle4>,
     "5..4.86322..7351898..2.67541..823946.8.657213.2.941578.183724.57.25843.1...169827", "",
     "r1c3-9 r3c3-9",
     "Unique rectangle type 4 on 1 and 9 in r1c5, r3c5, r1c3 and r3c3: so that the two digits "
     "cannot swap, 9 goes from r1c3, r3c3"},
    {"XChain", Technique::XChain, findXChain,
     "732685.9.489.3.625651294.7.2968..5..517.69.8.3485127691239...5.9.4.58...8.5.2.9..", "",
     "r4c5-4 r5c7-4 r5c9-4",
     "X-chain on 4: r4c8 = r9c8 - r9c4 = r5c4, so 4 goes from r4c5, r5c7, r5c9"},
    {"XYChain", Technique::XYChain, findXYChain,
     "2194763586753..4128431..976587..3124421...639396214785962831547738.4.261154...893", "",
     "r5c5-5", "XY-chain: r3c5 (5=2) - r9c5 (2=6) - r9c4 (6=7) - r5c4 (7=5), so 5 goes from r5c5"},
    {"Aic", Technique::Aic, findAic,
     "21.87.5..67534281984.1...7..58.2.7...92..8..5.365...28.84.....3..148..57..7....8.", "",
     "r4c6-9",
     "Alternating inference chain: (9)r1c6 = (9)r1c3 - (3)r1c3 = (3)r1c8 - (3)r4c8 = (3)r4c6, so 9 "
     "goes from r4c6"},
    {"GroupedAic", Technique::GroupedAic, findGroupedAic,
     ".71.......294..7.3.34.7....365..49.72179.....498.67....527.3.68.4368.27.786..23.9", "",
     "r1c4-5 r3c4-5 r9c5-5",
     "Grouped alternating inference chain: (5)r2c5 = (1)r2c5 - (1)r4c5 = (1){r4c4 r6c4} - (1)r9c4 "
     "= (5)r9c4, so 5 goes from r1c4, r3c4, r9c5"},
    {"AlsChain", Technique::AlsChain, findAlsChain,
     "..3951276169.7.835725683914..73......9.7.....6.......7..8.967...7.8...699561.7.8.",
     "r4c6-5 r6c2-4 r6c7-5", "r6c7-4",
     "Almost locked set chain: (3)r6c7 =[ALS r6c3, r6c4, r6c5, r6c7]= (5)r6c4 - (5)r7c4 = (5)r7c8 "
     "- (4)r7c8 = (4){r4c8 r5c8 r6c8}, so 4 goes from r6c7"},
    {"UnitForcingChain", Technique::ForcingChain, findForcingChain,
     "..62...353456982712...3.8.6.6..8....5...67.8...73..65.6.8.5.32.7...265.8.528.3.6.", "",
     "r6c2-1",
     "Forcing chains from 1 in column 5 (r1c5, r6c5 and r9c5): each makes r6c2 not 1, so 1 goes "
     "from r6c2"},
    {"CellForcingChain", Technique::ForcingChain, findForcingChain,
     "..62...353456982712...3.8.6.6..8....5...67.8...73..65.6.8.5.32.7...265.8.528.3.6.", "r6c2-1",
     "r8c3-1", "Forcing chains from r8c8 (1, 4 and 9): each makes r8c3 not 1, so 1 goes from r8c3"},
    {"ForcingChainPlacing", Technique::ForcingChain, findForcingChain,
     "..96..721...2.1349..2..9856....925.7...81.49229.5.71.84.712.98595.7.4213.2.9..674",
     "r1c6-3 r4c1-3 r4c2-3 r4c2-4 r4c2-6 r4c3-8 r5c1-3 r5c3-6 r6c3-3 r9c3-8 r9c6-3", "r9c3=1",
     "Forcing chains from r3c1 (1, 3 and 7): each makes r9c3 1, so r9c3 is 1"},
    {"DynamicContradiction", Technique::DynamicForcingChain, findDynamicForcingChain,
     "5..1863.9.89..26.1.6..9..8....6.81..7..9.4.6.6...3.....46..9..7..386..1..5.24...6",
     "r2c4-5 r3c3-2 r3c6-7 r3c7-5 r4c1-3 r4c2-2 r4c3-2 r4c8-3 r4c8-4 r4c8-5 r4c9-5 r5c3-1 "
     "r5c3-5 r5c5-5 r5c7-8 r5c9-2 r6c3-1 r6c6-7 r6c7-5 r6c7-8 r6c8-5 r6c9-5 r7c7-5 r9c3-8",
     "r8c7-2",
     "Dynamic forcing chains: if r8c7 were 2, column 9 would have no place left for 5: r8c7 is not "
     "2"},
    {"DynamicCell", Technique::DynamicForcingChain, findDynamicForcingChain,
     "...57....7.5.64...46.2.3..73...274.5.52...73.974.35..85..3.6.72...7581....7.92...",
     "r1c2-1 r1c3-1 r1c3-9 r1c7-8 r1c7-9 r1c8-1 r1c8-9 r2c7-8 r3c7-8 r3c8-9 r4c8-1 r5c5-1 r8c3-9 "
     "r9c8-8",
     "r7c2-8",
     "Dynamic forcing chains from r9c4 (1 and 4): each makes r7c2 not 8, so 8 goes from r7c2"},
    {"DynamicUnit", Technique::DynamicForcingChain, findDynamicForcingChain,
     "96.84...27..93..848.4..2....492..8.6..84..7..1....84..48.12.9.5.9..842.72...59.48",
     "r1c8-3 r1c8-5 r3c8-3 r3c8-5 r4c6-3 r5c1-3 r5c6-1 r5c6-6 r5c8-3 r6c2-3 r6c2-5 r6c3-3 r6c4-7 "
     "r6c5-7 r6c8-3",
     "r4c8-1",
     "Dynamic forcing chains from 7 in row 3 (r3c4, r3c5 and r3c8): each makes r4c8 not 1, so 1 "
     "goes from r4c8"},
    // Dynamic chains alone find nothing here; with dynamic chains nested inside
    // they do.
    {"NestedForcingChain", Technique::NestedForcingChain, onUnique<findNestedForcingChain>,
     "1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..41.....7..7...3..",
     "r2c6-1 r6c4-5 r7c4-9 r7c6-9 r8c6-2 r8c6-6 r8c6-8 r8c6-9 r9c4-5 r9c4-9 r9c5-1 r9c6-9",
     "r9c6-5",
     "Nested forcing chains from r8c6 (3 and 5): each makes r9c6 not 5, so 5 goes from r9c6"},
};

bool isChainStep(Technique technique) {
    return technique >= Technique::XChain;
}

bool isForcingStep(Technique technique) {
    return technique >= Technique::ForcingChain;
}

// Every link of a chain step joins candidates of the board and starts where an
// earlier link of its branch ended, unless it starts a branch or a nested
// chain; a contradiction takes candidates that earlier links took. A forcing
// chain's branches each end in the step's one conclusion or in a contradiction.
void expectLinkedFromStartToEnd(const Step& step, const Candidates& marks) {
    ASSERT_EQ(step.links.empty(), !isChainStep(step.technique));
    const std::vector<CellDigit>& outcome =
        step.placements.empty() ? step.eliminations : step.placements;
    std::vector<std::vector<CellDigit>> reached;
    for (std::size_t i = 0; i < step.links.size(); ++i) {
        const ChainLink& link = step.links[i];
        for (const CellDigit& entry : link.from)
            EXPECT_TRUE(marks.has(entry.cell, entry.digit)) << cellName(entry.cell);
        const ChainLink* before = i > 0 ? &step.links[i - 1] : nullptr;
        if (before == nullptr || before->branch != link.branch)
            reached.clear();
        const auto wasReached = [&](const std::vector<CellDigit>& node) {
            return std::find(reached.begin(), reached.end(), node) != reached.end();
        };
        const bool opens = reached.empty() || link.depth > before->depth || before->to.empty();
        if (link.to.empty()) {
            for (const CellDigit& entry : link.from)
                EXPECT_TRUE(wasReached({entry}))
                    << "link " << i << " takes " << cellName(entry.cell);
        } else {
            EXPECT_TRUE(opens || wasReached(link.from))
                << "link " << i << " from " << cellName(link.from.front().cell);
        }
        reached.push_back(link.from);
        reached.push_back(link.to);
        const bool endsBranch =
            i + 1 == step.links.size() || step.links[i + 1].branch != link.branch;
        if (endsBranch && isForcingStep(step.technique)) {
            EXPECT_TRUE(link.to.empty() || link.to == outcome) << "branch " << int(link.branch);
        }
    }
}

class Techniques : public ::testing::TestWithParam<TechniqueCase> {};

// The stepper takes the row's technique, so no simpler one applies; the step is
// sound, proven and linked as above, and told in one line (the window's status
// line). After it the pattern is still on the board but takes nothing: the
// finder must not offer the same instance again (it would loop the stepper).
TEST_P(Techniques, IsTheSimplestStepSoundAndProvenAndNotOfferedAgain) {
    const TechniqueCase& row = GetParam();
    Candidates marks = marksOf(row.board, row.eliminated);
    const auto found = row.find(marks);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->technique, row.technique);
    EXPECT_EQ(changesOf(*found), row.changes);
    EXPECT_EQ(describe(*found), row.description);
    const auto step = nextStep(marks, Unique);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->technique, row.technique);
    EXPECT_EQ(changesOf(*step), row.changes);
    expectSound(*found, solve(boardOf(row.board)).solution);
    expectProvenByCandidates(*found, marks);
    expectLinkedFromStartToEnd(*found, marks);
    ASSERT_TRUE(apply(marks, *found));
    if (const auto again = row.find(marks)) {
        EXPECT_FALSE(again->proof == found->proof && again->units == found->units);
        EXPECT_TRUE(apply(marks, *again));
    }
}

INSTANTIATE_TEST_SUITE_P(Engine, Techniques, ::testing::ValuesIn(TechniqueCases),
                         [](const auto& info) { return std::string(info.param.name); });

// On a puzzle not known to have one solution the rectangle may be just what its
// solutions differ by: no uniqueness step is taken, on any board.
TEST(TechniqueOrder, UniqueRectanglesWaitForAPuzzleKnownToBeUnique) {
    for (const TechniqueCase& row : TechniqueCases) {
        SCOPED_TRACE(row.name);
        const Candidates marks = marksOf(row.board, row.eliminated);
        for (const auto find : {findUniqueRectangle, findUniqueRectangle2, findUniqueRectangle4})
            EXPECT_FALSE(find(marks, false));
        const auto step = nextStep(marks);
        EXPECT_FALSE(step && step->technique >= Technique::UniqueRectangle &&
                     step->technique <= Technique::UniqueRectangle4);
    }
}

// Subsets and fish take sizes 2-4 only; another size finds nothing rather
// than reading past their tables.
TEST(TechniqueOrder, ASizeOutsideTwoToFourFindsNothing) {
    const Candidates marks = marksOf(MediumPuzzle.puzzle);
    for (int size : {-1, 0, 1, 5, 9}) {
        EXPECT_FALSE(findNakedSubset(marks, size));
        EXPECT_FALSE(findHiddenSubset(marks, size));
        EXPECT_FALSE(findFish(marks, size));
    }
}

} // namespace

std::span<const TechniqueCase> techniqueCases() {
    return TechniqueCases;
}

} // namespace engine
