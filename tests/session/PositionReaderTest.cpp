// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/PositionReader.h"
#include "support/NmeaCaptures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

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

struct Case {
    std::string text;
    std::optional<GpsFix> fix;
};

// What one text read at clock 100 leaves as the position at clock 100.
TEST(PositionReader, TakesPositionAndTimeOnlyFromSoundFixesOfSatelliteTalkers) {
    const GpsFix schramberg{48.0 + 13.0509 / 60, 8.0 + 24.8699 / 60, "2015-10-10T09:15:03.000Z"};
    const Case cases[] = {
        {sentence(FIX) + "\r\n", schramberg},
        {"%045" + sentence(FIX) + "%046", schramberg},
        {sentence("GPRMC,031210,A,3747.9940,S,17517.8390,W,0.1,,311214,,,A") + "\n",
         GpsFix{-(37 + 47.994 / 60), -(175 + 17.839 / 60), "2014-12-31T03:12:10Z"}},
        {sentence("GPRMC,225308,A,4527.5,S,16709.0,E,0.0,,060699,,") + "\n",
         GpsFix{-(45 + 27.5 / 60), 167.15, "1999-06-06T22:53:08Z"}},
        {sentence("GNRMC,091503.000,V,4813.0509,N,00824.8699,E,,,101015,,,N,V"), {}},
        {sentence("INRMC,091503.000,A,4813.0509,N,00824.8699,E,6.56,175.87,101015,,"), {}},
        {"$" + FIX + "*00", {}},
        {"$" + FIX + "\r\n", {}},
        {sentence("GPRMC,143831.96,A,4806.2867,N,03,W,13.5,290.1,121007,2.6,W,A"), {}},
        {sentence("GNRMC,091503.000,A,4860.0000,N,00824.8699,E,,,101015,,,A,V"), {}},
        {sentence("GNRMC,091503.000,A,9100.0000,N,00824.8699,E,,,101015,,,A,V"), {}},
        {sentence("GNRMC,091503.000,A,4813.0509,X,00824.8699,E,,,101015,,,A,V"), {}},
        {sentence("GNRMC,241503.000,A,4813.0509,N,00824.8699,E,,,101015,,,A,V"), {}},
        {sentence("GNRMC,091503.000,A,4813.0509,N,00824.8699,E,,,101315,,,A,V"), {}},
        {sentence("GNRMC,091503.000,A,4813.0509,N,0824.8699,E,,,101015,,,A,V"), {}},
        {"$GNRMC,091503.000,A,48" + sentence(FIX), schramberg},
        {"$GNRMC,091503.000,A,48\n" + FIX, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        PositionReader reader;
        reader.feed(c.text, 100);
        const std::optional<GpsFix> fix = reader.positionAt(100);
        ASSERT_EQ(fix.has_value(), c.fix.has_value());
        if (!fix) continue;
        EXPECT_NEAR(fix->latitude, c.fix->latitude, 1e-9);
        EXPECT_NEAR(fix->longitude, c.fix->longitude, 1e-9);
        EXPECT_EQ(fix->utc, c.fix->utc);
    }
}

// A sentence split over reads counts when its end comes; a fix says where the
// vehicle is for 10 seconds, across midnight too.
TEST(PositionReader, ASentenceSpansReadsAndAFixStaysFreshForTenSeconds) {
    PositionReader reader;
    const std::string text = sentence(FIX);
    reader.feed(text.substr(0, 30), 86395);
    EXPECT_FALSE(reader.positionAt(86395));
    reader.feed(text.substr(30), 86398);
    EXPECT_TRUE(reader.positionAt(86398));
    EXPECT_TRUE(reader.positionAt(8));
    EXPECT_FALSE(reader.positionAt(8.01));
}

// Where each receiver was, from its capture's notes, and how close its fixes
// must stay: the corrupted sentences of com-1289 must not put it elsewhere.
TEST(PositionReader, EveryPositionOfTheCapturesLiesWhereTheReceiverWas) {
    const struct {
        std::string capture;
        double latitude, longitude;
    } places[] = {{"bt451.log", 55.8, 23.6},        {"bu353s4.log", -37.8, 175.3},
                  {"bundg_zeus_9.log", 52.7, 5.4},  {"com-1289.log", 48.1, -1.65},
                  {"garmin48.log", -45.46, 167.15}, {"haicom-305N.log", -27.4, 153.0},
                  {"nl2008u.log", 48.2, 8.4},       {"quectel-eg25-g.log", 36.8, 31.4},
                  {"humminbird-M37.log", NAN, NAN}};
    for (const auto& place : places) {
        SCOPED_TRACE(place.capture);
        const Capture capture = loadCapture(place.capture);
        PositionReader reader;
        int fixes = 0;
        for (std::size_t at = 0; at < capture.stream.size(); at += 16) {
            reader.feed(capture.stream.substr(at, 16), static_cast<double>(at));
            const std::optional<GpsFix> fix = reader.positionAt(static_cast<double>(at));
            if (!fix) continue;
            ++fixes;
            EXPECT_NEAR(fix->latitude, place.latitude, 0.3);
            EXPECT_NEAR(fix->longitude, place.longitude, 0.5);
        }
        EXPECT_EQ(fixes > 0, !std::isnan(place.latitude));
    }
}

} // namespace
