// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/PositionReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

namespace {

// "$" + body + "*" + its checksum.
std::string sentence(const std::string& body) {
    unsigned sum = 0;
    for (const char c : body)
        sum ^= static_cast<unsigned char>(c);
    char checksum[4];
    std::snprintf(checksum, sizeof checksum, "*%02X", sum);
    return "$" + body + checksum;
}

const std::string FIX = "GNRMC,091503.000,A,4813.0509,N,00824.8699,E,6.56,175.87,101015,,,A,V";

// The position one text read at clock 86398 gives 10 s later, past midnight
// (utc empty: none), and gives no more 10 ms after that.
TEST(PositionReader, TakesPositionAndTimeOnlyFromSoundFixesOfSatelliteTalkersForTenSeconds) {
    const GpsFix none{};
    const GpsFix schramberg{48 + 13.0509 / 60, 8 + 24.8699 / 60, "2015-10-10T09:15:03.000Z"};
    const std::pair<std::string, GpsFix> cases[] = {
        {"%045" + sentence(FIX) + "%046", schramberg},
        {"$GNRMC,091503.000,A,48" + sentence(FIX), schramberg},
        {sentence("GPRMC,031210,A,3747.9940,S,17517.8390,W,0.1,,311214,,"),
         {-(37 + 47.994 / 60), -(175 + 17.839 / 60), "2014-12-31T03:12:10Z"}},
        {sentence("GPRMC,225308,A,4527.5,S,16709.0,E,0.0,,060699,,"),
         {-(45 + 27.5 / 60), 167.15, "1999-06-06T22:53:08Z"}},
        {sentence("GPRMC,225308,A,4527.5,S,16709.0,E,0.0,,060679,,"),
         {-(45 + 27.5 / 60), 167.15, "2079-06-06T22:53:08Z"}},
        {sentence("GNRMC,091503.000,V,4813.0509,N,00824.8699,E,,,101015,,,N,V"), none},
        {sentence("INRMC,091503.000,A,4813.0509,N,00824.8699,E,,,101015,,"), none},
        {"$" + FIX + "*00", none},
        {"$" + FIX + "\r\n", none},
        {sentence("GPRMC,143831.96,A,4806.2867,N,03,W,13.5,290.1,121007,2.6,W,A"), none},
        {sentence("GNRMC,091503.000,A,4860.0000,N,00824.8699,E,,,101015,,"), none},
        {sentence("GNRMC,091503.000,A,4813.0509,N,00824.8699,E,,,101315,,"), none}};
    for (const auto& [text, fix] : cases) {
        PositionReader reader;
        reader.feed(text.substr(0, text.size() / 2), 86398); // in two notifications
        reader.feed(text.substr(text.size() / 2), 86398);
        const GpsFix read = reader.positionAt(8).value_or(none);
        EXPECT_FALSE(reader.positionAt(8.01)) << text;
        EXPECT_EQ(read.utc, fix.utc) << text;
        EXPECT_NEAR(read.latitude, fix.latitude, 1e-9) << text;
        EXPECT_NEAR(read.longitude, fix.longitude, 1e-9) << text;
    }
}

} // namespace
