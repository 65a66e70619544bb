// The engine's geometry, its pencil marks and the names of techniques, levels and symmetries.
#include "EngineText.h"
#include "engine/Generator.h"

#include <gtest/gtest.h>
#include <set>

namespace engine {
namespace {

constexpr std::string_view Puzzle = EasyPuzzle.puzzle;

// Every unit holds nine different cells, every cell lies in exactly three units
// and sees exactly the 20 cells it shares a unit with.
TEST(Grid, UnitsAndPeersCoverTheBoardExactly) {
    std::array<int, Cells> unitsPerCell{};
    for (const UnitCells& unit : UnitTable) {
        EXPECT_EQ(std::set<int>(unit.begin(), unit.end()).size(), 9u);
        for (int cell : unit)
            ++unitsPerCell[cell];
    }
    for (int cell = 0; cell < Cells; ++cell) {
        EXPECT_EQ(unitsPerCell[cell], 3);
        std::set<int> shared;
        for (int unit : unitsOf(cell))
            for (int other : UnitTable[unit])
                if (other != cell)
                    shared.insert(other);
        EXPECT_EQ(shared, std::set<int>(PeerTable[cell].begin(), PeerTable[cell].end()));
    }
}

// r1c3 sees 5, 3, 7 in its row, 8 in its column and 6, 9 in its box.
TEST(Candidates, AnEmptyCellKeepsTheDigitsItsPeersLackAndLosesAPlacedOne) {
    Candidates marks(boardOf(Puzzle));
    EXPECT_EQ(marks.at(cellAt(0, 2)), digitBit(1) | digitBit(2) | digitBit(4));
    EXPECT_EQ(marks.at(cellAt(0, 0)), 0);
    EXPECT_TRUE(marks.places(rowUnit(0), 4) & 1u << 2);
    marks.place(cellAt(0, 2), 4);
    EXPECT_EQ(marks.places(rowUnit(0), 4), 0);
    EXPECT_EQ(marks.digit(cellAt(0, 2)), 4);
    EXPECT_FALSE(marks.has(cellAt(0, 3), 4));
    EXPECT_FALSE(marks.has(cellAt(2, 0), 4));
    EXPECT_EQ(marks.emptyCells(), 51 - 1);
    EXPECT_TRUE(marks.eliminate(cellAt(0, 3), 2));
    EXPECT_FALSE(marks.eliminate(cellAt(0, 3), 2));
}

TEST(Step, EveryTechniqueLevelAndSymmetryIsFoundByItsName) {
    for (int i = 0; i <= static_cast<int>(Technique::ForcingChain); ++i) {
        const auto technique = static_cast<Technique>(i);
        EXPECT_EQ(techniqueNamed(techniqueName(technique)), technique);
    }
    EXPECT_EQ(levelNamed("hard"), Level::Hard);
    EXPECT_FALSE(levelNamed("Hard"));
    EXPECT_EQ(levelOf(Technique::XYWing), Level::Hard);
    for (const Symmetry symmetry : {Symmetry::Rotate180, Symmetry::None})
        EXPECT_EQ(symmetryNamed(symmetryName(symmetry)), symmetry);
    EXPECT_FALSE(symmetryNamed("rotate90"));
}

} // namespace
} // namespace engine
