// The numeric value of a cell text, as every rule of the board reads it.
#pragma once

#include <string_view>

// numericValue of a text that is not "" or plain digits.
double numericValueOfText(std::string_view text) noexcept;

// The decimal number written at the start of `text`: spaces are skipped wherever
// they stand; an optional sign, digits, an optional fraction and an optional
// exponent are read up to the first character that cannot continue the number.
// No number at the start (and "") gives 0. A magnitude beyond double's range gives
// an infinity of the number's sign; never throws.
inline double numericValue(std::string_view text) noexcept {
    // Inline for "" and plain digits: nearly all the grids hold, read by every rule.
    if (text.size() <= 15) {
        long long digits = 0;
        std::size_t i = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            digits = digits * 10 + (text[i] - '0');
        if (i == text.size())
            return static_cast<double>(digits);
    }
    return numericValueOfText(text);
}
