// How a cell text reads as a number, which every check depends on; how long a status line holds.
#include "controls/NumericValue.h"
#include "controls/StatusLine.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace {

TEST(NumericValue, ReadsTheNumberAtTheStartOfTrickyTexts) {
    constexpr double Inf = std::numeric_limits<double>::infinity();
    const std::pair<const char*, double> readings[] = {
        {"", 0},          {" 7", 7},     {"123456789", 123456789},
        {"x", 0},         {"1 2", 12},   {"- 5", -5},
        {"+3", 3},        {"3x", 3},     {"0.4", 0.4},
        {"-.25", -0.25},  {"2E-1", 0.2}, {"1 e 2", 100},
        {"1e", 1},        {"7e+", 7},    {"1.2.3", 1.2},
        {"--5", 0},       {".", 0},      {"5-", 5},
        {"1,5", 1},       {"\t5", 0},    {"1e400", Inf},
        {"-9e999", -Inf}, {"1e-400", 0}, {"12345678901234567890", 12345678901234567890.0}};
    for (const auto& [text, value] : readings)
        EXPECT_EQ(numericValue(text), value) << '"' << text << '"';
}

// Spaces are skipped wherever they stand, so adding some never changes a value.
// A spaced text always takes the general reading, so this also holds the inline
// path for plain digits to it; and no text crashes, throws or reads as NaN.
TEST(NumericValue, RandomTextsReadTheSameWithSpacesAdded) {
    std::mt19937 random(20261206);
    const std::string alphabet = "0123456789+-.eE x,\t\xff";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 24);
    for (int round = 0; round < 20000; ++round) {
        std::string text, spaced;
        for (int i = length(random); i > 0; --i) {
            text.push_back(alphabet[pick(random)]);
            (spaced += ' ') += text.back();
        }
        const double value = numericValue(text);
        ASSERT_FALSE(std::isnan(value)) << text;
        ASSERT_EQ(value, numericValue(spaced)) << '"' << text << '"';
    }
}

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
