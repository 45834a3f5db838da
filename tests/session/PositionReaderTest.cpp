// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/PositionReader.h"
#include "support/NmeaCaptures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <tuple>

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

// The position one text read at clock 100 gives at clock 100 (utc empty: none).
TEST(PositionReader, TakesPositionAndTimeOnlyFromSoundFixesOfSatelliteTalkers) {
    const GpsFix none{};
    const GpsFix schramberg{48 + 13.0509 / 60, 8 + 24.8699 / 60, "2015-10-10T09:15:03.000Z"};
    const std::pair<std::string, GpsFix> cases[] = {
        {"%045" + sentence(FIX) + "%046", schramberg},
        {"$GNRMC,091503.000,A,48" + sentence(FIX), schramberg},
        {sentence("GPRMC,031210,A,3747.9940,S,17517.8390,W,0.1,,311214,,"),
         {-(37 + 47.994 / 60), -(175 + 17.839 / 60), "2014-12-31T03:12:10Z"}},
        {sentence("GPRMC,225308,A,4527.5,S,16709.0,E,0.0,,060699,,"),
         {-(45 + 27.5 / 60), 167.15, "1999-06-06T22:53:08Z"}},
        {sentence("GNRMC,091503.000,V,4813.0509,N,00824.8699,E,,,101015,,,N,V"), none},
        {sentence("INRMC,091503.000,A,4813.0509,N,00824.8699,E,,,101015,,"), none},
        {"$" + FIX + "*00", none},
        {"$" + FIX + "\r\n", none},
        {sentence("GPRMC,143831.96,A,4806.2867,N,03,W,13.5,290.1,121007,2.6,W,A"), none},
        {sentence("GNRMC,091503.000,A,4860.0000,N,00824.8699,E,,,101015,,"), none},
        {sentence("GNRMC,091503.000,A,4813.0509,N,00824.8699,E,,,101315,,"), none}};
    for (const auto& [text, fix] : cases) {
        PositionReader reader;
        reader.feed(text, 100);
        const GpsFix read = reader.positionAt(100).value_or(none);
        EXPECT_EQ(read.utc, fix.utc) << text;
        EXPECT_NEAR(read.latitude, fix.latitude, 1e-9) << text;
        EXPECT_NEAR(read.longitude, fix.longitude, 1e-9) << text;
    }
}

// A fix says where the vehicle is for 10 seconds, across midnight too.
TEST(PositionReader, AFixStaysFreshForTenSeconds) {
    PositionReader reader;
    reader.feed(sentence(FIX), 86398);
    EXPECT_TRUE(reader.positionAt(8));
    EXPECT_FALSE(reader.positionAt(8.01));
}

// Every position of the real captures lies where the receiver was, corrupted
// lines (com-1289) included; the instrument talker (humminbird) gives none.
TEST(PositionReader, EveryPositionOfTheCapturesLiesWhereTheReceiverWas) {
    const std::tuple<std::string, double, double> places[] = {
        {"bt451.log", 55.8, 23.6},        {"bu353s4.log", -37.8, 175.3},
        {"bundg_zeus_9.log", 52.7, 5.4},  {"com-1289.log", 48.1, -1.65},
        {"garmin48.log", -45.46, 167.15}, {"haicom-305N.log", -27.4, 153.0},
        {"nl2008u.log", 48.2, 8.4},       {"quectel-eg25-g.log", 36.8, 31.4},
        {"humminbird-M37.log", NAN, NAN}};
    for (const auto& [name, latitude, longitude] : places) {
        const Capture capture = loadCapture(name);
        PositionReader reader;
        int fixes = 0;
        for (std::size_t at = 0; at < capture.stream.size(); at += 16) {
            reader.feed(capture.stream.substr(at, 16), static_cast<double>(at));
            const std::optional<GpsFix> fix = reader.positionAt(static_cast<double>(at));
            fixes += fix.has_value();
            EXPECT_TRUE(!fix ||
                        std::hypot(fix->latitude - latitude, fix->longitude - longitude) < 0.5)
                << name;
        }
        EXPECT_EQ(fixes > 0, !std::isnan(latitude)) << name;
    }
}

} // namespace
