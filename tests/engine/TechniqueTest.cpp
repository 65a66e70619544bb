// Each technique on a board where it is the simplest step, and not again once
// its pattern has nothing left to take.
#include "EngineText.h"
#include "engine/Explain.h"
#include "engine/Fish.h"
#include "engine/LockedCandidates.h"
#include "engine/Singles.h"
#include "engine/Stepper.h"
#include "engine/Subsets.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace engine {
namespace {

using Finder = std::optional<Step> (*)(const Candidates&);

struct TechniqueCase {
    const char* name;
    Technique technique;
    Finder find;
    std::string_view board;
    // Candidates taken out of the board's pencil marks first.
    std::string_view eliminated;
    std::string_view solution;
    std::string_view changes;
    std::string_view description;
};

// Boards met on the way through qqwing puzzles; each row's technique is the
// first that applies to the board's own pencil marks.
const TechniqueCase TechniqueCases[] = {
    {"HiddenSingle", Technique::HiddenSingle, findHiddenSingle,
     ".......1.7..2589.3.9..3..588..7.............6......2.1..1..9....7.6..8..52..8...9", "",
     "358974612716258943294136758832761594145892376967345281681529437479613825523487169", "r1c9=2",
     "Hidden single: the only place for 2 in box 3 is r1c9"},
    {"NakedSingle", Technique::NakedSingle, findNakedSingle,
     ".....21..2...8.3.51...5.8..6.8.359.1.31...587.9..1863...7.6325....5..41.......76.", "",
     "853672194264981375179354826628735941431296587795418632947163258386527419512849763", "r5c1=4",
     "Naked single: r5c1 can only be 4"},
    {"Pointing", Technique::Pointing, findPointing,
     "35897..1271.2589.329.13.7588..7.....1.......6......2.1.81..9..7.7.6..8..52..871.9", "",
     "358974612716258943294136758832761594145892376967345281681529437479613825523487169",
     "r4c3-4 r5c3-4 r6c3-4 r8c3-4 r9c3-4",
     "Pointing: in box 1, 4 lies only in column 3, so it goes from r4c3, r5c3, r6c3, r8c3, r9c3"},
    {"Claiming", Technique::Claiming, findClaiming,
     ".1.248..56..193...43276589114..72..8...4...1..6.8.14.7..452.1....631....3.1.8..5.", "",
     "719248365658193742432765891145672938287439516963851427894526173576314289321987654",
     "r4c3-9 r5c1-9 r5c2-9 r5c3-9",
     "Claiming: in row 6, 9 lies only in box 4, so it goes from r4c3, r5c1, r5c2, r5c3"},
    {"NakedPair", Technique::NakedPair, findNakedPair,
     "9.8.5.....1.6.8.9.35.9....8.457..98.68.....4....8.....59.486.1.8.129745....5138.9", "",
     "968154237712638594354972168245761983689325741173849625597486312831297456426513879",
     "r4c5-2 r4c9-1 r4c9-2",
     "Naked pair: in row 4, r4c1 and r4c6 hold only 1 and 2, so they go from r4c5, r4c9"},
    {"HiddenPair", Technique::HiddenPair, findHiddenPair,
     "...248..56..193....3.7658.1....72..8...4...1..6.8.14.7..452.1....631....3.1.8..5.", "",
     "719248365658193742432765891145672938287439516963851427894526173576314289321987654",
     "r2c2-2 r2c2-4 r2c2-7 r2c3-2 r2c3-7",
     "Hidden pair: in box 1, 5 and 8 fit only r2c2 and r2c3, so those cells lose their other "
     "digits"},
    {"XWing", Technique::XWing, findXWing,
     "597.46.23...23956726357.94.9.6...7.5.3576.29.7.89.5436.7..526.96.2.97.54.596...72", "",
     "597146823814239567263578941946823715135764298728915436371452689682397154459681372",
     "r2c1-4 r7c1-4 r4c6-4",
     "X-wing on 4 in rows 5 and 9, columns 1 and 6: 4 goes from r2c1, r7c1, r4c6"},
    {"NakedTriple", Technique::NakedTriple, findNakedTriple,
     ".3..684...8.24..6.462..1...2.4.3...69.8..6...376......643719..8827654391195...674", "",
     "731568429589243167462971583254837916918426735376195842643719258827654391195382674",
     "r4c4-5 r5c4-5 r6c4-5 r6c5-2",
     "Naked triple: in box 5, r4c6, r5c5 and r6c6 hold only 2, 5 and 7, so they go from r4c4, "
     "r5c4, r6c4, r6c5"},
    {"HiddenTriple", Technique::HiddenTriple, findHiddenTriple,
     ".82.34.9.459.728.33.1.984...9548.3...143....9..39.....92874653154.2139..13.8592..", "",
     "782634195459172863361598427695487312214365789873921654928746531546213978137859246",
     "r5c8-2 r5c8-6 r5c8-7 r6c8-1 r6c8-2 r6c8-6 r6c8-7 r6c9-2 r6c9-6 r6c9-7",
     "Hidden triple: in box 6, 4, 5 and 8 fit only r5c8, r6c8 and r6c9, so those cells lose their "
     "other digits"},
    {"NakedQuad", Technique::NakedQuad, findNakedQuad,
     "54.68397.896.57.4373.4..65836..45...41.......25783.4.9.2357...4.85..4...97436....", "",
     "541683972896257143732419658369145287418792365257836419623571894185924736974368521",
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
     "285147369379526841614839572542693187798451623136278495823914756961785234457362918",
     "r1c9-3 r1c9-6 r2c9-3 r2c9-6 r8c9-2 r8c9-3 r8c9-6",
     "Hidden quad: in column 9, 1, 4, 8 and 9 fit only r1c9, r2c9, r8c9 and r9c9, so those cells "
     "lose their other digits"},
    {"Swordfish", Technique::Swordfish, findSwordfish,
     "6.71532.858276..131.3.28675.5...672.32..7.56176.5.283..7.2.1..693.6871.2216.95.87", "",
     "697153248582764913143928675451836729328479561769512834875241396934687152216395487",
     "r4c3-4 r4c4-4 r6c3-4 r7c3-4 r7c7-4 r7c8-4",
     "Swordfish on 4 in columns 1, 5 and 9, rows 4, 6 and 7: 4 goes from r4c3, r4c4, r6c3, r7c3, "
     "r7c7, r7c8"},
    {"Jellyfish", Technique::Jellyfish, findJellyfish,
     ".2..14.9884...91259.182543..3.4985122581.3.4919425.38..129..8.44.9.812.3.8..42971", "",
     "523714698847639125961825437736498512258163749194257386312976854479581263685342971",
     "r7c1-6 r7c5-6 r8c4-6",
     "Jellyfish on 6 in columns 2, 6, 8 and 9, rows 3, 6, 7 and 8: 6 goes from r7c1, r7c5, r8c4"},
};

void PrintTo(const TechniqueCase& row, std::ostream* out) {
    *out << row.name;
}

class Techniques : public ::testing::TestWithParam<TechniqueCase> {};

// The stepper takes the row's technique, so no simpler one applies, and the
// step is sound: placements are the solution's digits, eliminations are not.
TEST_P(Techniques, IsTheSimplestStepAndSound) {
    const TechniqueCase& row = GetParam();
    const Candidates marks = marksOf(row.board, row.eliminated);
    const auto found = row.find(marks);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->technique, row.technique);
    EXPECT_EQ(changesOf(*found), row.changes);
    const auto step = nextStep(marks);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->technique, row.technique);
    EXPECT_EQ(changesOf(*step), row.changes);
    const Board solution = boardOf(row.solution);
    for (const CellDigit& placement : step->placements)
        EXPECT_EQ(solution[placement.cell], placement.digit);
    for (const CellDigit& elimination : step->eliminations)
        EXPECT_NE(solution[elimination.cell], elimination.digit);
}

// The window's status line for the step.
TEST_P(Techniques, IsDescribedInOneLine) {
    const TechniqueCase& row = GetParam();
    EXPECT_EQ(describe(row.find(marksOf(row.board, row.eliminated)).value_or(Step{})),
              row.description);
}

// The proof is made of candidates the board has, each in one of the units the
// step names (a naked single names none).
TEST_P(Techniques, ProvesWithCandidatesOfItsUnits) {
    const TechniqueCase& row = GetParam();
    const Candidates marks = marksOf(row.board, row.eliminated);
    const Step step = row.find(marks).value_or(Step{});
    ASSERT_FALSE(step.proof.empty());
    for (const CellDigit& entry : step.proof) {
        EXPECT_TRUE(marks.has(entry.cell, entry.digit)) << cellName(entry.cell);
        const auto units = unitsOf(entry.cell);
        EXPECT_TRUE(step.units.empty() ||
                    std::find_first_of(units.begin(), units.end(), step.units.begin(),
                                       step.units.end()) != units.end())
            << cellName(entry.cell);
    }
}

// After its step the pattern is still on the board but takes nothing: the
// finder must not offer the same instance again (it would loop the stepper).
TEST_P(Techniques, DoesNotFireOnAPatternThatTakesNothing) {
    const TechniqueCase& row = GetParam();
    Candidates marks = marksOf(row.board, row.eliminated);
    const Step first = row.find(marks).value_or(Step{});
    ASSERT_TRUE(apply(marks, first));
    if (const auto again = row.find(marks)) {
        EXPECT_FALSE(again->proof == first.proof && again->units == first.units);
        EXPECT_TRUE(apply(marks, *again));
    }
}

INSTANTIATE_TEST_SUITE_P(Engine, Techniques, ::testing::ValuesIn(TechniqueCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A cell that is both a naked and a hidden single is taken as a hidden single,
// the first technique of the list.
TEST(TechniqueOrder, AHiddenSingleComesBeforeANakedSingle) {
    const Candidates marks = marksOf(EasyPuzzle.puzzle);
    ASSERT_TRUE(findNakedSingle(marks));
    EXPECT_EQ(nextStep(marks)->technique, Technique::HiddenSingle);
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
} // namespace engine
