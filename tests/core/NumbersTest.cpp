#include "core/Numbers.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

TEST(LeadingNumber, ReadsTheDfMessageFormsSeenOnTheLine) {
    EXPECT_EQ(leadingNumber("045"), 45);
    EXPECT_EQ(leadingNumber(" 45"), 45);
    EXPECT_EQ(leadingNumber("45\r"), 45);
    EXPECT_EQ(leadingNumber("143/7"), 143);
    EXPECT_EQ(leadingNumber("4.5"), 4.5);
    EXPECT_EQ(leadingNumber("-5"), -5);
    EXPECT_EQ(leadingNumber("+7"), 7);
    EXPECT_EQ(leadingNumber("999"), 999);
}

TEST(LeadingNumber, TextWithoutALeadingNumberReadsAsZero) {
    for (const char* text : {"", "ABC", ".", "-", "+", "--5", "+-5", "e5", "\r45", "x1", "/7"})
        EXPECT_EQ(leadingNumber(text), 0) << '"' << text << '"';
}

TEST(LeadingNumber, SkipsBlanksTabsAndLineFeedsAnywhereButNotCarriageReturns) {
    EXPECT_EQ(leadingNumber("\t\n 4 5"), 45);
    EXPECT_EQ(leadingNumber("- 1 2 . 5"), -12.5);
    EXPECT_EQ(leadingNumber("1 e 2"), 100);
    EXPECT_EQ(leadingNumber("4\r5"), 4);
}

TEST(LeadingNumber, ReadsFractionsAndExponentsAsFarAsTheyGo) {
    EXPECT_EQ(leadingNumber(".5"), 0.5);
    EXPECT_EQ(leadingNumber("5."), 5);
    EXPECT_EQ(leadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(leadingNumber("12,5"), 12);
    EXPECT_EQ(leadingNumber("087.6"), 87.6);
    EXPECT_EQ(leadingNumber("1e2"), 100);
    EXPECT_EQ(leadingNumber("1E+2"), 100);
    EXPECT_EQ(leadingNumber("25e-1"), 2.5);
    // An exponent letter without digits behind it is not part of the number.
    EXPECT_EQ(leadingNumber("1e"), 1);
    EXPECT_EQ(leadingNumber("1e+"), 1);
    EXPECT_EQ(leadingNumber("7E-x"), 7);
    EXPECT_EQ(leadingNumber("0x1A"), 0);
}

TEST(LeadingNumber, NumbersBeyondADoubleSaturateOrVanish) {
    constexpr double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(leadingNumber("1e400"), largest);
    EXPECT_EQ(leadingNumber("-1e400"), -largest);
    EXPECT_EQ(leadingNumber("0.001e999999999999"), largest);
    EXPECT_EQ(leadingNumber("1" + std::string(400, '0')), largest);
    EXPECT_EQ(leadingNumber("1e-400"), 0);
    EXPECT_EQ(leadingNumber("0." + std::string(400, '0') + "1"), 0);
    EXPECT_EQ(leadingNumber("123456789012345678901234567890"), 123456789012345678901234567890.0);
}

TEST(LeadingNumber, AsASingleSaturatesAtTheLargestSingle) {
    EXPECT_EQ(leadingSingle("4.5"), 4.5f);
    EXPECT_EQ(leadingSingle("1e39"), std::numeric_limits<Single>::max());
    EXPECT_EQ(leadingSingle("-1e400"), -std::numeric_limits<Single>::max());
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(4.5), 4);
    EXPECT_EQ(roundHalfEven(5.5), 6);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(359.5), 360);
    EXPECT_EQ(roundHalfEven(4.51), 5);
}

TEST(SectorWrap, MakesOneStepAtEitherEnd) {
    EXPECT_EQ(sectorWrap(1), 1);
    EXPECT_EQ(sectorWrap(360), 360);
    EXPECT_EQ(sectorWrap(0), 360);
    EXPECT_EQ(sectorWrap(361), 1);
    EXPECT_EQ(sectorWrap(-359), 1);
    EXPECT_EQ(sectorWrap(720), 360);
    // One step only: further out stays outside.
    EXPECT_EQ(sectorWrap(721), 361);
    EXPECT_EQ(sectorWrap(-360), 0);
}

TEST(SignedSingleText, WritesTheShortestTextWithABlankWhenNotNegative) {
    EXPECT_EQ(signedSingleText(45), " 45");
    EXPECT_EQ(signedSingleText(4.5f), " 4.5");
    EXPECT_EQ(signedSingleText(0.1f), " 0.1");
    EXPECT_EQ(signedSingleText(-0.25f), "-0.25");
    EXPECT_EQ(signedSingleText(-0.0f), " 0");
    EXPECT_EQ(signedSingleText(359), " 359");
    EXPECT_EQ(signedSingleText(100000), " 100000");
    EXPECT_EQ(signedSingleText(0.001f), " 0.001");
}

} // namespace
