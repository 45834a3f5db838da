#include "core/Numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

double roundHalfEven(double value) { return std::nearbyint(value); }

Long nowRounded(double secondsSinceMidnight) {
    return static_cast<Long>(roundHalfEven(secondsSinceMidnight));
}

int sectorWrap(int degree) {
    if (degree > 360) degree -= 360;
    if (degree < 1) degree += 360;
    return degree;
}

namespace {

bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The text without the characters that the reading skips.
std::string withoutBlanks(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (char c : text)
        if (!isSkipped(c)) kept.push_back(c);
    return kept;
}

} // namespace

double leadingNumber(std::string_view text) {
    const std::string s = withoutBlanks(text);
    std::size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) number.push_back(s[i++]);
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        number.push_back(s[i++]);
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        number.push_back(s[i++]);
        while (i < s.size() && isDigit(s[i])) {
            number.push_back(s[i++]);
            ++digits;
        }
    }
    if (digits == 0) return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent.push_back(s[j++]);
        const std::size_t firstExponentDigit = j;
        while (j < s.size() && isDigit(s[j])) exponent.push_back(s[j++]);
        if (j > firstExponentDigit) number += exponent;
    }
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

std::string signedNumberText(long long value) {
    std::string text = std::to_string(value);
    if (value >= 0) text.insert(text.begin(), ' ');
    return text;
}

std::string lastChars(std::string_view text, std::size_t n) {
    return std::string(text.size() > n ? text.substr(text.size() - n) : text);
}

std::string zeroPadded(long long value, int digits) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*lld", digits, value);
    return buffer;
}
