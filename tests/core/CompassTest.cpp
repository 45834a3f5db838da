// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Compass.h"
#include "core/Captions.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

// Text that follows a sentence on the line, long enough to complete any
// sentence in front of it.
const std::string FOLLOWING =
    "\r\n$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";

std::string rmc(const std::string& speed, const std::string& course) {
    return "$GPRMC,123519,A,4807.038,N,01131.000,E," + speed + "," + course + ",230394,003.1,W*6A";
}

std::string vtg(const std::string& course, const std::string& speed) {
    return "$GPVTG," + course + ",T,,M," + speed + ",N,10.4,K,A*19";
}

constexpr int IGNORED = -1;

// COMPASS with the heading source on GPS, from heading 200 with GPS FAIL showing.
struct Compass : ::testing::Test {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    void SetUp() override {
        f.SIMULATE_TIMER = false;
        rig.settings.headingSource = "GPS";
        rig.clock.seconds = 36010.4;
    }
    void compass(const std::string& buffer) {
        f.HEADING = 200;
        f.Label_HDG.caption = "before";
        f.Frame_GPS_FAIL.visible = true;
        f.NEWAZIMUTH = f.NEWRING = false;
        f.GPS_TIME = 0;
        f.GPS_BUFFER = buffer;
        COMPASS(f);
    }
};

TEST_F(Compass, AMovingFixSetsTheHeadingAndEmptiesTheBuffer) {
    f.Frame_GPS_SPEED.visible = true;
    compass("noise" + rmc("012.4", "087.6") + FOLLOWING);
    EXPECT_EQ(f.HEADING, 87);
    EXPECT_EQ(f.Label_HDG.caption, "GPS 087 TRU");
    EXPECT_EQ(f.GPS_BUFFER, "");
    EXPECT_EQ(f.GPS_TIME, 36010);
    EXPECT_FALSE(f.Frame_GPS_FAIL.visible);
    EXPECT_FALSE(f.Frame_GPS_SPEED.visible);
    EXPECT_TRUE(f.NEWAZIMUTH);
    EXPECT_TRUE(f.NEWRING);
}

// Speed 3.9 truncates to 3: the sentence is taken, but the heading stays and
// the label is written from it.
TEST_F(Compass, AtThreeKnotsOrLessTheHeadingStaysAndGpsSpeedShows) {
    f.Frame_GPS_SPEED.visible = false;
    compass(rmc("3.9", "087.6") + FOLLOWING);
    EXPECT_EQ(f.HEADING, 200);
    EXPECT_TRUE(f.Frame_GPS_SPEED.visible);
    EXPECT_EQ(f.Label_HDG.caption, "GPS 200 TRU");
    EXPECT_EQ(f.GPS_BUFFER, "");
    EXPECT_FALSE(f.Frame_GPS_FAIL.visible);
}

// The heading a buffer gives, or IGNORED: the buffer, heading, label, frames
// and GPS_TIME then stay as they were. In order: a sentence counts once 82
// characters stand from its "$", and only its first 80 are read; VTG wins over
// RMC, even before it is complete; only the first sentence of the kind counts,
// even a rejected one; empty fields reject it; values are truncated toward
// zero, then held within 0..359.99 degrees and 0..300 knots; fields are read by
// the leading-number rule.
TEST_F(Compass, TakesTheFirstCompleteSentenceOfTheKindWithinItsLimits) {
    const std::string sentence = rmc("012.4", "087.6") + "\r\n";
    const std::string complete = sentence + std::string(82 - sentence.size(), 'x');
    // The comma that closes the course field is the window's 80th character.
    const std::string head = "$GPRMC,", tail = ",A,4807.038,N,01131.000,E,12.4,087.6,";
    const std::string long80 = head + std::string(80 - head.size() - tail.size(), '1') + tail;
    const std::string long81 = head + std::string(81 - head.size() - tail.size(), '1') + tail;
    std::string noise;
    for (int i = 0; i < 1000; ++i)
        noise.push_back(static_cast<char>((i * 7919 + 13) % 256));
    const std::pair<std::string, int> cases[] = {
        {complete, 87},
        {complete.substr(0, 81), IGNORED},
        {long80 + FOLLOWING, 87},
        {long81 + FOLLOWING, IGNORED},
        {rmc("010.0", "111.0") + FOLLOWING + vtg("222.7", "9.0") + FOLLOWING, 222},
        {rmc("010.0", "111.0") + FOLLOWING + vtg("222.7", "9.0"), IGNORED},
        {rmc("012.4", "087.6") + FOLLOWING + rmc("012.4", "300.0") + FOLLOWING, 87},
        {"$GPRMC,,V,,,,,,,,,,N*53\r\n" + rmc("012.4", "087.6") + FOLLOWING, IGNORED},
        {rmc("", "087.6") + FOLLOWING, IGNORED},
        {rmc("012.4", "") + FOLLOWING, IGNORED},
        {"$GPVTG,,T,,M,,N,,K,N*2C" + FOLLOWING, IGNORED},
        {rmc("012.4", "359.9") + FOLLOWING, 359},
        {rmc("300.9", "045.0") + FOLLOWING, 45},
        {rmc("12", "-0.5") + FOLLOWING, 0},
        {rmc("012.4", "360.0") + FOLLOWING, IGNORED},
        {rmc("012.4", "-1.0") + FOLLOWING, IGNORED},
        {rmc("301", "087.6") + FOLLOWING, IGNORED},
        {rmc("-4", "087.6") + FOLLOWING, IGNORED},
        {rmc("9 9", "1 23.4") + FOLLOWING, 123},
        {rmc("12.0", "N") + FOLLOWING, 0},
        // A comma not found restarts the search at the window's first character.
        {"$GPRMC,0,045.5,123.4," + std::string(90, ' '), 123},
        {"$GPRMC,0,045.5,123.4" + std::string(90, ' '), IGNORED},
        {noise, IGNORED}};
    for (const auto& [buffer, heading] : cases) {
        SCOPED_TRACE(buffer.substr(0, 120));
        compass(buffer);
        EXPECT_EQ(f.HEADING, heading == IGNORED ? 200 : heading);
        EXPECT_EQ(f.GPS_BUFFER, heading == IGNORED ? buffer : "");
        EXPECT_EQ(f.GPS_TIME, heading == IGNORED ? 0 : 36010);
        EXPECT_EQ(f.Label_HDG.caption == "before", heading == IGNORED);
        EXPECT_EQ(f.Frame_GPS_FAIL.visible, heading == IGNORED);
        EXPECT_EQ(f.NEWAZIMUTH, heading != IGNORED);
    }
}

// The label shows the dialog's variation, not the main window's copy, wrapped
// into 0..359.
TEST_F(Compass, WithVariationOnTheLabelShowsTheMagneticHeading) {
    f.CmdButton_VAR.caption = VAR_ON;
    f.HEADING_CORRECTION = 33;
    rig.settings.HEADING_CORRECTION = -10;
    compass(rmc("012.4", "005.0") + FOLLOWING);
    EXPECT_EQ(f.HEADING, 5);
    EXPECT_EQ(f.HEADING_STRING, "355");
    EXPECT_EQ(f.Label_HDG.caption, "GPS 355 MAG");
    rig.settings.HEADING_CORRECTION = 10;
    compass(rmc("012.4", "355.0") + FOLLOWING);
    EXPECT_EQ(f.Label_HDG.caption, "GPS 005 MAG");
}

TEST_F(Compass, InManualModeTheBufferIsNotLookedAt) {
    rig.settings.headingSource = "MANUAL";
    compass(rmc("012.4", "087.6") + FOLLOWING);
    EXPECT_EQ(f.HEADING, 200);
    EXPECT_NE(f.GPS_BUFFER, "");
}

} // namespace
