// The first-key rule of a text box: which key spends the marker and which also
// empties the box.
#include "board/Frm_TaBrel.h"
#include "entry/KeyCodes.h"

#include <gtest/gtest.h>

namespace {

struct FirstKeyCase {
    const char* name;
    Alignment alignment;
    int caret;
    const char* tag;
    int key;
    bool anyKey;
    const char* textAfter;
    const char* tagAfter;
};

class ClearOnFirstKey : public ::testing::TestWithParam<FirstKeyCase> {};

// The box holds "57" in every row.
TEST_P(ClearOnFirstKey, SpendsTheArmedMarkerAndEmptiesTheBoxForADigit) {
    const FirstKeyCase& c = GetParam();
    TextBox box;
    box.setText("57");
    box.setAlignment(c.alignment);
    box.setCaret(c.caret);
    box.setTag(c.tag);
    EXPECT_TRUE(Frm_TaBrel::ClearOnFirstKey(box, c.key, c.anyKey));
    EXPECT_EQ(box.text(), c.textAfter);
    EXPECT_EQ(box.tag(), c.tagAfter);
}

constexpr auto Left = Alignment::Left;
constexpr auto Right = Alignment::Right;

INSTANTIATE_TEST_SUITE_P(
    TypedKeys, ClearOnFirstKey,
    ::testing::Values(
        FirstKeyCase{"DigitEmptiesTheBox", Left, 0, "0", '3', false, "", "1"},
        FirstKeyCase{"LetterOnlySpendsTheMarker", Left, 0, "0", 'a', false, "57", "1"},
        FirstKeyCase{"LetterEmptiesWithAnyKey", Left, 0, "0", 'a', true, "", "1"},
        FirstKeyCase{"EnterNeverEmpties", Left, 0, "0", Keys::Enter, true, "57", "1"},
        FirstKeyCase{"SpentMarkerLeavesTheBox", Left, 0, "1", '3', false, "57", "1"},
        FirstKeyCase{"CaretAwayFromZeroKeepsTheMarker", Left, 1, "0", '3', false, "57", "0"},
        FirstKeyCase{"RightAlignedBoxRestsAtTheEnd", Right, 2, "0", '3', false, "", "1"},
        // A tag that holds no number reads as 0, armed, instead of failing.
        FirstKeyCase{"TagWithoutANumberCountsAsArmed", Left, 0, "x", '3', false, "", "1"}),
    [](const ::testing::TestParamInfo<FirstKeyCase>& info) { return info.param.name; });

} // namespace
