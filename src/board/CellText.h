// What the rules read in a cell's text besides its numeric value: the texts of
// the digits, and a text without its surrounding spaces.
#pragma once

#include <array>
#include <string_view>

// The text of digit k (0..9), "" for 0.
inline constexpr std::array<std::string_view, 10> DigitText = {"",  "1", "2", "3", "4",
                                                               "5", "6", "7", "8", "9"};

// `text` without the spaces at either end; "" when it holds nothing else.
constexpr std::string_view trimmedSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}
