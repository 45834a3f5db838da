// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Numbers.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>
#include <utility>

namespace {

// Blanks, tabs and line feeds are skipped anywhere, carriage returns are not;
// sign, digits, point and exponent are read as far as they go (an exponent
// letter needs digits behind it); a text without a leading number reads as 0.
TEST(LeadingNumber, ReadsSignDigitsPointAndExponentAsFarAsTheyGo) {
    for (const char* text : {"045", " 45", "45\r", "\t\n 4 5", "45/7"})
        EXPECT_EQ(leadingNumber(text), 45) << text;
    for (const char* text : {"", "ABC", ".", "-", "--5", "e5", "\r45", "0x1A", "1e-400"})
        EXPECT_EQ(leadingNumber(text), 0) << text;
    // Past the range of a double (a GPS field can be): the largest double of its
    // sign, or 0. DF messages are three characters, never past a Single's range.
    constexpr double largest = std::numeric_limits<double>::max();
    const std::pair<const char*, double> cases[] = {
        {"4.5", 4.5}, {"-5", -5},     {"+7", 7},      {"- 1 2 . 5", -12.5}, {"4\r5", 4},
        {".5", 0.5},  {"1.2.3", 1.2}, {"12,5", 12},   {"25e-1", 2.5},       {"1e", 1},
        {"7E-x", 7},  {"5.", 5},      {"1 e 2", 100}, {"1E+2", 100},        {"-1e400", -largest}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(leadingNumber(text), value) << text;
    for (const std::string& text :
         {std::string("1e400"), std::string("0.001e999999999999"), "1" + std::string(400, '0')})
        EXPECT_EQ(leadingNumber(text), largest) << text;
    EXPECT_EQ(leadingNumber("0." + std::string(400, '0') + "1"), 0);
}

// A number as text: a blank stands where a minus would, zero included.
TEST(NumberText, GivesABlankOrAMinusBeforeTheDigits) {
    EXPECT_EQ((std::array{signedNumberText(0), signedNumberText(1000), signedNumberText(-5)}),
              (std::array<std::string, 3>{" 0", " 1000", "-5"}));
}

} // namespace
