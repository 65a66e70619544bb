// Colouring: what each text of the play and candidate grids turns into.
#include "support/FormFixture.h"

namespace {

using Colouring = FormTest;

struct PlayCell {
    const char* text;
    const char* shown;
    Rgb colour;
};

TEST_F(Colouring, ErasesNonPositivePlayTextsAndPaintsTheRestCyan) {
    const PlayCell cells[] = {{"", "", White},    {"7", "7", Cyan},   {"0", "", White},
                              {"-4", "", White},  {"x", "", White},   {"12", "12", Cyan},
                              {"3x", "3x", Cyan}, {" 5", " 5", Cyan}, {"0.4", "0.4", Cyan}};
    form.Grid3.clear();
    for (int i = 0; i < std::ssize(cells); ++i) {
        form.Grid3.setText(0, i, cells[i].text);
        form.Grid3.setBackColor(0, i, Cyan); // a stale colour must not survive
    }
    form.ColorMe();
    for (int i = 0; i < std::ssize(cells); ++i) {
        SCOPED_TRACE(cells[i].text);
        EXPECT_EQ(form.Grid3.text(0, i), cells[i].shown);
        EXPECT_EQ(form.Grid3.backColor(0, i), cells[i].colour);
    }
}

TEST_F(Colouring, MarksCandidateCellsWithAtMostOneDigitMagenta) {
    const std::pair<const char*, Rgb> cells[] = {
        {"123456789", White}, {"47", White}, {"6", Magenta}, {"", Magenta}, {" 5 ", Magenta}};
    for (int i = 0; i < std::ssize(cells); ++i)
        form.Grid1.setText(2, i, cells[i].first);
    form.ColorMe();
    for (int i = 0; i < std::ssize(cells); ++i)
        EXPECT_EQ(form.Grid1.backColor(2, i), cells[i].second) << '"' << cells[i].first << '"';
}

// "Put In the Grid" writes into Grid3's current cell, so colouring must not move it.
TEST_F(Colouring, KeepsThePlayGridsCurrentCellAndEndsTheCandidateGridAtTheCorner) {
    form.Grid3.setCurrent(4, 6);
    form.Grid1.setCurrent(1, 2);
    form.ColorMe();
    EXPECT_EQ(std::pair(form.Grid3.row(), form.Grid3.col()), std::pair(4, 6));
    EXPECT_EQ(std::pair(form.Grid1.row(), form.Grid1.col()), std::pair(8, 8));
}

} // namespace
