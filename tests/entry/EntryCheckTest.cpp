// The live check of the entry grid: what it reads of the cells and what the
// engine says of the puzzle.
#include "entry/EntryCheck.h"

#include "support/BoardText.h"
#include "support/Solutions.h"

#include <gtest/gtest.h>

namespace {

// The check reads the puzzle "Save Game" would store: a cell counts when its
// value is a whole digit, whatever else its text holds.
TEST(EntryCheck, CountsTheCellsSaveGameStoresAsGivens) {
    CellGrid grid;
    const std::pair<const char*, int> texts[] = {{"7", 1},  {" 4", 1}, {"2.0", 1}, {"12", 0},
                                                 {"-3", 0}, {"ab", 0}, {"", 0}};
    for (const auto& [text, givens] : texts) {
        SCOPED_TRACE(text);
        grid.setText(3, 3, text);
        EXPECT_EQ(readEntry(grid).givens, givens);
    }
}

TEST(EntryCheck, JudgesTheSolutionsAndRatesAUniquePuzzle) {
    const std::string wrongDigit = "4" + std::string(MediumPuzzle.substr(1));
    const struct {
        const char* name;
        std::string board;
        int solutions;
    } cases[] = {
        {"Empty", std::string(81, '.'), 2},
        {"Unique", std::string(MediumPuzzle), 1},
        {"NoSolution", wrongDigit, 0},
        {"Repeat", "44" + std::string(79, '.'), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CellGrid grid;
        putBoard(grid, c.board);
        EXPECT_EQ(judgeEntry(readEntry(grid).board).solutions, c.solutions);
    }
    CellGrid grid;
    putBoard(grid, MediumPuzzle);
    EXPECT_EQ(judgeEntry(readEntry(grid).board).level, engine::Level::Medium);
}

} // namespace
