// The engine's geometry, its puzzle lines and its pencil marks.
#include "engine/Candidates.h"
#include "engine/PuzzleText.h"
#include "engine/Step.h"
#include "support/Puzzles.h"

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

TEST(PuzzleText, ALineReadsBackAsWrittenWithDotsForEmptyCells) {
    const auto board = parseLine(Puzzle);
    ASSERT_TRUE(board);
    EXPECT_EQ(formatLine(*board), Puzzle);
    const auto odd = parseLine(std::string(80, 'x') + "9");
    ASSERT_TRUE(odd);
    EXPECT_EQ(formatLine(*odd), std::string(80, '.') + "9");
    EXPECT_FALSE(parseLine(Puzzle.substr(1)));
    EXPECT_FALSE(parseLine(std::string(Puzzle) + "1"));
    EXPECT_EQ(cellName(cellAt(1, 7)), "r2c8");
}

// r1c3 sees 5, 3, 7 in its row, 8 in its column and 6, 9 in its box.
TEST(Candidates, AnEmptyCellKeepsTheDigitsItsPeersLackAndLosesAPlacedOne) {
    Candidates marks(*parseLine(Puzzle));
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

TEST(Step, EveryTechniqueAndLevelIsFoundByItsName) {
    for (int i = 0; i <= static_cast<int>(Technique::ForcingChain); ++i) {
        const auto technique = static_cast<Technique>(i);
        EXPECT_EQ(techniqueNamed(techniqueName(technique)), technique);
    }
    EXPECT_EQ(levelNamed("hard"), Level::Hard);
    EXPECT_FALSE(levelNamed("Hard"));
    EXPECT_EQ(levelOf(Technique::XYWing), Level::Hard);
}

} // namespace
} // namespace engine
