// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

Long nowRounded(double secondsSinceMidnight) {
    return static_cast<Long>(roundHalfEven(secondsSinceMidnight));
}

int sectorWrap(int degree) {
    if (degree > 360) degree -= 360;
    if (degree < 1) degree += 360;
    return degree;
}

namespace {

bool isSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks a text one character at a time, stepping over the characters that the
// leading-number reading skips. At the end it shows '\0', which continues no
// number.
class SkippingReader {
public:
    explicit SkippingReader(std::string_view text) : text_(text) {}
    char peek() {
        while (at_ < text_.size() && isSkipped(text_[at_]))
            ++at_;
        return at_ < text_.size() ? text_[at_] : '\0';
    }
    void next() { ++at_; }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

// The parts of a leading number as read: its characters without sign or skipped
// characters, and enough about its size to tell an overflow from an underflow.
struct NumberText {
    std::string chars;
    std::size_t digits = 0;
    long magnitude = 0; // decimal places before the point, counted from the first non-zero digit
    long exponent = 0;  // the written exponent, held within +-100000
};

void readMantissa(SkippingReader& in, NumberText& n) {
    bool significant = false;
    while (isDigit(in.peek())) {
        significant = significant || in.peek() != '0';
        if (significant) ++n.magnitude;
        n.chars.push_back(in.peek());
        ++n.digits;
        in.next();
    }
    if (in.peek() != '.') return;
    n.chars.push_back('.');
    in.next();
    while (isDigit(in.peek())) {
        if (!significant && in.peek() == '0') --n.magnitude;
        significant = significant || in.peek() != '0';
        n.chars.push_back(in.peek());
        ++n.digits;
        in.next();
    }
}

// An exponent counts only when at least one digit follows the letter and its sign.
void readExponent(SkippingReader& in, NumberText& n) {
    if (in.peek() != 'e' && in.peek() != 'E') return;
    SkippingReader ahead = in;
    ahead.next();
    const bool negative = ahead.peek() == '-';
    if (ahead.peek() == '+' || ahead.peek() == '-') ahead.next();
    if (!isDigit(ahead.peek())) return;
    constexpr long EXPONENT_LIMIT = 100000;
    n.chars.push_back('e');
    if (negative) n.chars.push_back('-');
    long value = 0;
    while (isDigit(ahead.peek())) {
        value = std::min(value * 10 + (ahead.peek() - '0'), EXPONENT_LIMIT);
        n.chars.push_back(ahead.peek());
        ahead.next();
    }
    n.exponent = negative ? -value : value;
}

double toDouble(const NumberText& n) {
    double value = 0;
    const char* end = n.chars.data() + n.chars.size();
    const auto [stop, error] = std::from_chars(n.chars.data(), end, value);
    if (error != std::errc::result_out_of_range) return value;
    return n.magnitude + n.exponent > 0 ? std::numeric_limits<double>::max() : 0.0;
}

} // namespace

double leadingNumber(std::string_view text) {
    SkippingReader in(text);
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.next();
    }
    NumberText number;
    readMantissa(in, number);
    if (number.digits == 0) return 0.0;
    readExponent(in, number);
    const double value = toDouble(number);
    return negative ? -value : value;
}

Single leadingSingle(std::string_view text) {
    constexpr double largest = std::numeric_limits<Single>::max();
    return static_cast<Single>(std::clamp(leadingNumber(text), -largest, largest));
}

std::string signedNumberText(long long value) {
    std::string text = std::to_string(value);
    if (value >= 0) text.insert(text.begin(), ' ');
    return text;
}

std::string signedSingleText(Single value) {
    if (value == 0) value = 0; // negative zero is not negative
    // Fixed notation: the largest Single takes 39 digits, the smallest 45 decimals.
    char buffer[64] = {' '};
    const char* begin = value < 0 ? buffer + 1 : buffer;
    const char* end =
        std::to_chars(buffer + 1, buffer + sizeof buffer, value, std::chars_format::fixed).ptr;
    return std::string(begin, end);
}

std::string lastChars(std::string_view text, std::size_t n) {
    return std::string(text.size() > n ? text.substr(text.size() - n) : text);
}

std::string zeroPadded(long long value, int digits) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*lld", digits, value);
    return buffer;
}
