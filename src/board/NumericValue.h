// The numeric value of a cell text, as every rule of the board reads it.
#pragma once

#include <string_view>

// The decimal number written at the start of `text`: spaces are skipped wherever
// they stand; an optional sign, digits, an optional fraction and an optional
// exponent are read up to the first character that cannot continue the number.
// No number at the start (and "") gives 0. A magnitude beyond double's range gives
// an infinity of the number's sign; never throws.
double numericValue(std::string_view text) noexcept;
