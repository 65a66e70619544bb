// The live check of the entry grid: what it reads of the cells, what the engine
// says of the puzzle, and the line that tells both.
#include "advice/EntryCheck.h"

#include "AdviceFixture.h"

#include <gtest/gtest.h>

namespace {

std::string lineFor(const CellGrid& grid) {
    const EntryReading reading = readEntry(grid);
    return entryLine(reading, judgeEntry(reading.board));
}

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

TEST(EntryCheck, TheLineTellsTheGivensAnyRepeatAndTheSolutions) {
    const std::string wrongDigit = "4" + std::string(MediumPuzzle.substr(1));
    const struct {
        const char* name;
        std::string board;
        const char* line;
    } cases[] = {
        {"Empty", std::string(81, '.'), "0 givens · more than one solution"},
        {"OneGiven", "5" + std::string(80, '.'), "1 given · more than one solution"},
        {"Unique", std::string(MediumPuzzle), "25 givens · unique solution (medium)"},
        {"NoSolution", wrongDigit, "26 givens · no solution"},
        // Two cells of one row and box are named once, for the row.
        {"RepeatInARowAndABox", "44" + std::string(79, '.'),
         "2 givens · 4 twice in row 1 (r1c1, r1c2) · no solution"},
        // Rows come first; the column's repeat is the one more, box 1's the same cells.
        {"ManyRepeats",
         "5...5...5"
         "5" +
             std::string(62, '.') + "7.......7",
         "6 givens · 5 3 times in row 1 (r1c1, r1c5, r1c9); 7 twice in row 9 (r9c1, r9c9); "
         "1 more · no solution"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CellGrid grid;
        putBoard(grid, c.board);
        EXPECT_EQ(lineFor(grid), c.line);
    }
}

TEST(EntryCheck, WithoutAVerdictTheLineSaysTheSolutionsAreBeingCountedAndMarksTheRepeats) {
    CellGrid grid;
    putBoard(grid, "9.......9" + std::string(72, '.'));
    EXPECT_EQ(entryLine(readEntry(grid), std::nullopt),
              "2 givens · 9 twice in row 1 (r1c1, r1c9) · counting solutions…");
    const Highlights marks = repeatHighlights(readEntry(grid));
    EXPECT_EQ(marks.at(0, 0).cell, Mark::Clashes);
    EXPECT_EQ(marks.at(0, 8).cell, Mark::Clashes);
    EXPECT_EQ(marks.at(0, 1).cell, Mark::None);
}

} // namespace
