// How a cell text is read as a number: every colouring and check depends on it.
#include "board/NumericValue.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace {

struct Reading {
    const char* name;
    const char* text;
    double value;
};

// Shown by name in test listings instead of as raw bytes.
void PrintTo(const Reading& reading, std::ostream* out) {
    *out << '"' << reading.text << '"';
}

class NumericValueTest : public ::testing::TestWithParam<Reading> {};

TEST_P(NumericValueTest, ReadsTheNumberAtTheStart) {
    EXPECT_EQ(numericValue(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

constexpr double Inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Texts, NumericValueTest,
    ::testing::Values(
        Reading{"Empty", "", 0}, Reading{"Digit", "5", 5}, Reading{"LeadingSpace", " 7", 7},
        Reading{"CandidateString", "123456789", 123456789}, Reading{"Letter", "x", 0},
        Reading{"Zero", "0", 0}, Reading{"SpacesInsideDigits", "1 2", 12},
        Reading{"SpaceAfterSign", "- 5", -5}, Reading{"PlusSign", "+3", 3},
        Reading{"DigitThenLetter", "3x", 3}, Reading{"Fraction", "0.4", 0.4},
        Reading{"BareFraction", ".5", 0.5}, Reading{"NegativeFraction", "-.25", -0.25},
        Reading{"Exponent", "1e3", 1000}, Reading{"UpperExponent", "2E-1", 0.2},
        Reading{"SpacedExponent", "1 e 2", 100}, Reading{"ExponentWithoutDigits", "1e", 1},
        Reading{"ExponentSignOnly", "7e+", 7}, Reading{"ExponentThenLetter", "4ex", 4},
        Reading{"SecondPoint", "1.2.3", 1.2}, Reading{"TwoSigns", "--5", 0},
        Reading{"SignAlone", "-", 0}, Reading{"PointAlone", ".", 0},
        Reading{"OnlySpaces", "   ", 0}, Reading{"TrailingSign", "5-", 5},
        Reading{"Comma", "1,5", 1}, Reading{"Tab", "\t5", 0},
        Reading{"LongDigits", "12345678901234567890", 12345678901234567890.0},
        Reading{"Overflow", "1e400", Inf}, Reading{"NegativeOverflow", "-9e999", -Inf},
        Reading{"Underflow", "1e-400", 0}),
    [](const ::testing::TestParamInfo<Reading>& info) { return std::string(info.param.name); });

// Spaces are skipped wherever they stand, so adding some never changes a value;
// random texts also prove the reading never crashes or throws.
TEST(NumericValueFuzz, RandomTextsReadTheSameWithSpacesAdded) {
    std::mt19937 random(20261206);
    const std::string alphabet = "0123456789+-.eE x,\t\xff";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 24);
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (int i = length(random); i > 0; --i)
            text.push_back(alphabet[pick(random)]);
        std::string spaced;
        for (char ch : text)
            (spaced += ' ') += ch;
        const double value = numericValue(text);
        ASSERT_FALSE(std::isnan(value)) << text;
        ASSERT_EQ(value, numericValue(spaced)) << '"' << text << '"';
    }
}

} // namespace
