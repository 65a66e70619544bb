// The numeric value of a cell text, as every rule of the board reads it.
#pragma once

#include <string_view>

// numericValue of a text that is neither "" nor one digit.
double numericValueOfText(std::string_view text) noexcept;

// The decimal number written at the start of `text`: spaces are skipped wherever
// they stand; an optional sign, digits, an optional fraction and an optional
// exponent are read up to the first character that cannot continue the number.
// No number at the start (and "") gives 0. A magnitude beyond double's range gives
// an infinity of the number's sign; never throws.
inline double numericValue(std::string_view text) noexcept {
    // Inline for "" and one digit: most of what the grids hold, read by every rule.
    if (text.empty())
        return 0.0;
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '9')
        return text[0] - '0';
    return numericValueOfText(text);
}
