#include "settings/SettingsFormat.h"

#include <gtest/gtest.h>

namespace {

// The default file exactly as a first start must write it: the decimal colours
// of the default scheme five times, then port, baud, the two ON captions, the
// manual heading source and the variation 0 stored as -1.
std::string expectedDefaultFile() {
    std::string scheme = "5602168\r\n7314328\r\n10211039\r\n37120\r\n"
                         "13092807\r\n4227327\r\n16777215\r\n7340031\r\n";
    std::string text;
    for (int p = 0; p < 5; ++p)
        text += scheme;
    text += "1\r\n4800\r\n\"A:ACQUIRE    ( ON )\"\r\n\"T:TEST             ( ON )\"\r\n"
            "\"MANUAL\"\r\n-1\r\n";
    return text;
}

TEST(SettingsText, TheDefaultFileIsByteForByteTheDocumentedOne) {
    EXPECT_EQ(settingsText(defaultSettings()), expectedDefaultFile());
}

TEST(SettingsText, NegativeColoursAndVariationsAreWrittenWithALeadingMinus) {
    SettingsRecord r = defaultSettings();
    r.colours[4][7] = -16777216;
    r.variationMinusOne = -180;
    const std::string text = settingsText(r);
    EXPECT_NE(text.find("\r\n-16777216\r\n1\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 6), "-180\r\n");
}

TEST(SettingsReader, ReadsItemsSeparatedByCommasAndByEveryKindOfLineEnd) {
    SettingsReader in("1,2\r\n3\n4\r5, \"six, with a comma\" ,7");
    EXPECT_EQ(in.integer(), 1);
    EXPECT_EQ(in.integer(), 2);
    EXPECT_EQ(in.integer(), 3);
    EXPECT_EQ(in.integer(), 4);
    EXPECT_EQ(in.integer(), 5);
    EXPECT_EQ(in.item(), "six, with a comma");
    EXPECT_EQ(in.integer(), 7);
    EXPECT_THROW(in.item(), SettingsFileError);
}

TEST(SettingsReader, QuotedTextsKeepTheirInnerBlanksAndLoseTheirQuotes) {
    SettingsReader in("\"T:TEST             ( OFF )\"\r\n  \"GPS\"  \r\n\"\"\r\n");
    EXPECT_EQ(in.item(), "T:TEST             ( OFF )");
    EXPECT_EQ(in.item(), "GPS");
    EXPECT_EQ(in.item(), "");
    EXPECT_THROW(in.item(), SettingsFileError);
}

TEST(SettingsReader, AnItemThatIsNotANumberReadsAsZero) {
    SettingsReader in("abc\r\n\"MANUAL\"\r\n\r\n-x\r\n");
    EXPECT_EQ(in.integer(), 0);
    EXPECT_EQ(in.longInteger(), 0);
    EXPECT_EQ(in.integer(), 0);
    EXPECT_EQ(in.integer(), 0);
}

TEST(SettingsReader, NumbersAreRoundedHalfToEven) {
    SettingsReader in("2.5,3.5,-2.5,4.4999,1e3");
    EXPECT_EQ(in.integer(), 2);
    EXPECT_EQ(in.integer(), 4);
    EXPECT_EQ(in.integer(), -2);
    EXPECT_EQ(in.integer(), 4);
    EXPECT_EQ(in.integer(), 1000);
}

TEST(SettingsReader, NumbersThatDoNotFitTheirItemAreAFailure) {
    SettingsReader in("32767,-32768,32768,-32769,2147483647,-2147483648,2147483648");
    EXPECT_EQ(in.integer(), 32767);
    EXPECT_EQ(in.integer(), -32768);
    EXPECT_THROW(in.integer(), SettingsFileError);
    EXPECT_THROW(in.integer(), SettingsFileError);
    EXPECT_EQ(in.longInteger(), 2147483647);
    EXPECT_EQ(in.longInteger(), -2147483648LL);
    EXPECT_THROW(in.longInteger(), SettingsFileError);
}

} // namespace
