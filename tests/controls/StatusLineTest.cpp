// A status line holds for the board it was shown for.
#include "controls/StatusLine.h"

#include <gtest/gtest.h>

namespace {

// Colours and the current cell change as commands run; only a text makes the
// board another one.
TEST(StatusLine, HoldsUntilATextOfOneOfItsGridsChanges) {
    CellGrid first, second, elsewhere;
    StatusLine line{{&first, &second}, StatusLine::Lasts::UntilTextsChange};
    int changes = 0;
    line.onChanged = [&] { ++changes; };
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
        EXPECT_EQ(line.text(), "a note");
    }
    for (CellGrid* grid : {&first, &second}) {
        showAgain();
        grid->setText(8, 8, grid->text(8, 8) + "1");
        EXPECT_EQ(line.text(), "");
        EXPECT_TRUE(line.highlights().empty());
    }
    EXPECT_EQ(changes, 8) << "each show and each drop";
}

// The entry line is replaced by the check each change asks for, not blanked first.
TEST(StatusLine, ALineThatLastsUntilReplacedOutlivesItsBoard) {
    CellGrid grid;
    StatusLine line{{&grid}, StatusLine::Lasts::UntilReplaced};
    line.show("a verdict");
    grid.setText(0, 0, "5");
    EXPECT_EQ(line.text(), "a verdict");
    EXPECT_TRUE(line.stale());
}

} // namespace
