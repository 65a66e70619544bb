// Reads any text as a cell's number and checks the reading against facts that
// do not depend on how it is done.
#include "controls/NumericValue.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void fail(const char* what, std::string_view text) {
    std::fprintf(stderr, "%s: \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

// The reading the C library gives once the spaces are gone, for a text of
// number characters and spaces only; NaN for any other text.
double libraryReading(std::string_view text) {
    std::string packed;
    for (char ch : text) {
        if (ch == ' ')
            continue;
        if (std::string_view("0123456789+-.eE").find(ch) == std::string_view::npos)
            return NAN;
        packed.push_back(ch);
    }
    return std::strtod(packed.c_str(), nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = numericValue(text);
    if (std::isnan(value))
        fail("NaN", text);
    if (value != numericValueOfText(text))
        fail("the inline reading and the general one differ", text);
    std::string spaced;
    for (char ch : text)
        (spaced += ch) += ' ';
    if (numericValue(spaced) != value)
        fail("spaces changed the value", text);
    if (const double expected = libraryReading(text); !std::isnan(expected) && expected != value)
        fail("the value differs from strtod's", text);
    return 0;
}
