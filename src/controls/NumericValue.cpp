// Reading a number the way a player's cell text is read: lenient, never failing.
#include "controls/NumericValue.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// Cell texts are almost always a few plain digits; read those without the scanner.
bool readPlainDigits(std::string_view text, double& value) {
    if (text.empty() || text.size() > 15)
        return false;
    long long n = 0;
    for (char ch : text) {
        if (!isDigit(ch))
            return false;
        n = n * 10 + (ch - '0');
    }
    value = static_cast<double>(n);
    return true;
}

// The number at the start of a text, with the spaces taken out, plus what
// from_chars needs to tell an overflow from an underflow.
struct Scanned {
    std::string number;     // sign, mantissa and a complete exponent, no spaces
    long long scale = 0;    // rough decimal exponent of the leading digit
    bool hasDigits = false; // a mantissa digit was read
};

class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    Scanned scan() {
        if (take('+') || take('-'))
            out_.number.push_back(last_);
        long long intDigits = mantissaDigits();
        long long leadingFractionZeros = 0;
        if (take('.')) {
            out_.number.push_back('.');
            leadingFractionZeros = fractionDigits();
        }
        long long exponent = exponentPart();
        out_.scale = exponent + (intDigits > 0 ? intDigits : -leadingFractionZeros);
        return out_;
    }

private:
    // Next character that is not a space, or '\0' at the end.
    char peek() {
        while (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }

    bool take(char wanted) {
        if (peek() != wanted || wanted == '\0')
            return false;
        last_ = text_[pos_++];
        return true;
    }

    bool takeDigit() {
        if (!isDigit(peek()))
            return false;
        last_ = text_[pos_++];
        return true;
    }

    // Digits before the point; returns how many count after leading zeros.
    long long mantissaDigits() {
        long long significant = 0;
        while (takeDigit()) {
            out_.hasDigits = true;
            out_.number.push_back(last_);
            if (significant > 0 || last_ != '0')
                ++significant;
        }
        return significant;
    }

    // Digits after the point; returns the zeros before the first other digit.
    long long fractionDigits() {
        long long zeros = 0;
        bool seenNonZero = false;
        while (takeDigit()) {
            out_.hasDigits = true;
            out_.number.push_back(last_);
            if (last_ != '0')
                seenNonZero = true;
            else if (!seenNonZero)
                ++zeros;
        }
        return zeros;
    }

    // An exponent counts only when it has a digit; otherwise the reading ends before it.
    long long exponentPart() {
        if (!out_.hasDigits)
            return 0;
        const std::size_t mark = pos_;
        if (!take('e') && !take('E'))
            return 0;
        std::string part = "e";
        bool negative = false;
        if (take('+') || take('-')) {
            negative = last_ == '-';
            part.push_back(last_);
        }
        long long exponent = 0;
        bool any = false;
        while (takeDigit()) {
            any = true;
            part.push_back(last_);
            if (exponent < 1'000'000'000)
                exponent = exponent * 10 + (last_ - '0');
        }
        if (!any) {
            pos_ = mark;
            return 0;
        }
        out_.number += part;
        return negative ? -exponent : exponent;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    char last_ = '\0';
    Scanned out_;
};

double fromScanned(const Scanned& scanned) {
    if (!scanned.hasDigits)
        return 0.0;
    const char* first = scanned.number.data();
    const char* last = first + scanned.number.size();
    const bool negative = *first == '-';
    if (*first == '+' || negative)
        ++first;
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range)
        value = scanned.scale > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

} // namespace

double numericValueOfText(std::string_view text) noexcept {
    double value = 0.0;
    if (readPlainDigits(text, value))
        return value;
    try {
        return fromScanned(Scanner(text).scan());
    } catch (...) {
        // Only an allocation can fail here; a text that cannot be read is worth 0.
        return 0.0;
    }
}
