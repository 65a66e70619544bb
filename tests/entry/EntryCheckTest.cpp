// The live check of the entry grid: what it reads of the cells (what the engine
// says of the puzzle is checked through the status line's words).
#include "entry/EntryCheck.h"

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

} // namespace
