// A status line holds for the board it was shown for.
#include "controls/StatusLine.h"

#include <gtest/gtest.h>

namespace {

// Colours and the current cell change as commands run; only a text makes the
// board another one.
TEST(StatusLine, HoldsUntilATextOfOneOfItsGridsChanges) {
    CellGrid first, second, elsewhere;
    StatusLine line{&first, &second};
    int changes = 0;
    line.onChanged = [&] { ++changes; };
    EXPECT_FALSE(line.dropIfStale()) << "an empty line has nothing to drop";
    const auto showAgain = [&] {
        Highlights marks;
        marks.markCell(40, Mark::Proves);
        line.show("a note", marks);
    };
    const std::pair<const char*, std::function<void()>> edits[] = {
        {"Colour", [&] { first.setBackColor(0, 0, Cyan); }},
        {"CurrentCell", [&] { second.setCurrent(4, 4); }},
        {"SameText", [&] { second.setText(0, 0, ""); }},
        {"OtherGrid", [&] { elsewhere.setText(0, 0, "5"); }},
    };
    for (const auto& [name, edit] : edits) {
        SCOPED_TRACE(name);
        showAgain();
        edit();
        EXPECT_FALSE(line.dropIfStale());
        EXPECT_EQ(line.text(), "a note");
    }
    for (CellGrid* grid : {&first, &second}) {
        showAgain();
        grid->setText(8, 8, grid->text(8, 8) + "1");
        EXPECT_TRUE(line.dropIfStale());
        EXPECT_EQ(line.text(), "");
        EXPECT_TRUE(line.highlights().empty());
    }
    EXPECT_EQ(changes, 8) << "each show and each drop";
}

} // namespace
