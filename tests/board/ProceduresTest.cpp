// The shared procedures: counting a digit in a unit, removing a candidate,
// recording a history slot.
#include "support/FormFixture.h"

namespace {

TEST(CountStr, TrimsTheCallersTextAndCountsOneCharacter) {
    FakeShell shell;
    Frm_TaBrel form(shell);
    std::string text = " 1231 ";
    EXPECT_EQ(form.CountStr(text, "1"), 2);
    EXPECT_EQ(text, "1231");
    for (std::string blank : {"", "   "})
        EXPECT_EQ(form.CountStr(blank, "1"), 0);
    std::string digits = "1212";
    EXPECT_EQ(form.CountStr(digits, "12"), 0) << "a longer text never matches";
}

TEST(CountStr, SaturatesInsteadOfOverflowing) {
    FakeShell shell;
    Frm_TaBrel form(shell);
    std::string many(40000, '5');
    EXPECT_EQ(form.CountStr(many, "5"), 32767);
}

TEST(Strless, RemovesExactlyTheFirstOccurrence) {
    EXPECT_EQ(Frm_TaBrel::strless("123456789", "5"), "12346789");
    EXPECT_EQ(Frm_TaBrel::strless("1357", "2"), "1357");
    EXPECT_EQ(Frm_TaBrel::strless("7", "7"), "");
    EXPECT_EQ(Frm_TaBrel::strless("1212", "12"), "212")
        << "one character goes, even for a longer text";
}

class FillArrayTest : public FormTest {};

TEST_F(FillArrayTest, RecordsOnlyTheSlotShown) {
    putBoard(form.Grid3, "123456789" + std::string(72, '.'));
    form.Grid1.setText(4, 4, "47");
    form.HistIdx = 3;
    form.FILLARRAY();
    for (int row = 0; row < 9; ++row)
        for (int col = 0; col < 9; ++col) {
            EXPECT_EQ(form.HistGrid1.at(3, row, col), form.Grid1.text(row, col));
            EXPECT_EQ(form.HistGrid3.at(3, row, col), form.Grid3.text(row, col));
            EXPECT_EQ(form.HistGrid3.at(2, row, col), "") << "a slot never written reads empty";
        }
    EXPECT_EQ(form.HistGrid3.at(0, 0, 0), "5") << "slot 0 still holds the start-up board";
}

} // namespace
