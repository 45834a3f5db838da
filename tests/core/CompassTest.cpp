// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Compass.h"
#include "support/NmeaCaptures.h"
#include "support/TestRig.h"

namespace {

// Text that follows a sentence on the line, long enough to complete any
// sentence in front of it.
const std::string FOLLOWING =
    "\r\n$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";

std::string rmc(const std::string& speed, const std::string& course,
                const std::string& talker = "GP") {
    return "$" + talker + "RMC,123519,A,4807.038,N,01131.000,E," + speed + "," + course +
           ",230394,003.1,W*6A";
}

std::string vtg(const std::string& course, const std::string& speed,
                const std::string& talker = "GP") {
    return "$" + talker + "VTG," + course + ",T,,M," + speed + ",N,10.4,K,A*19";
}

constexpr int IGNORED = -1, SLOW = -2;

// COMPASS with the heading source on GPS, from heading 200 with GPS FAIL showing.
struct Compass : OnWindow {
    void compass(const std::string& buffer) {
        rig.settings.headingSource = "GPS";
        rig.clock.seconds = 36010.4;
        f.HEADING = 200;
        f.Label_HDG.caption = "before";
        f.Frame_GPS_FAIL.visible = f.Frame_GPS_SPEED.visible = true;
        f.NEWAZIMUTH = f.NEWRING = false;
        f.GPS_TIME = 0;
        f.GPS_BUFFER = buffer;
        COMPASS(f);
    }
};

// The heading a buffer gives, shown as "GPS nnn TRU" in place of GPS FAIL. At 3
// knots or less (SLOW; 3.9 truncates to 3) the sentence is taken but the heading
// stays and GPS SPEED shows. IGNORED: the buffer, heading, label, frames and
// GPS_TIME stay as they were. In order: a sentence counts once 82
// characters stand from its "$", and only its first 80 are read; VTG wins over
// RMC, even before it is complete; only the first sentence of the kind counts,
// even a rejected one; empty fields reject it; values are truncated toward
// zero, then held within 0..359.99 degrees and 0..300 knots; fields are read by
// the leading-number rule. Every satellite talker counts and no other, VTG of
// any talker before RMC of any.
TEST_F(Compass, TakesTheFirstCompleteSentenceOfTheKindWithinItsLimits) {
    const std::string sentence = rmc("012.4", "087.6") + "\r\n";
    const std::string complete = sentence + std::string(82 - sentence.size(), 'x');
    // The comma that closes the course field is the window's 80th character.
    const std::string head = "$GPRMC,", tail = ",A,4807.038,N,01131.000,E,12.4,087.6,";
    const std::string long80 = head + std::string(80 - head.size() - tail.size(), '1') + tail;
    std::vector<std::pair<std::string, int>> cases = {
        {complete, 87},
        {"noise" + rmc("3.9", "087.6") + FOLLOWING, SLOW},
        {complete.substr(0, 81), IGNORED},
        {long80 + FOLLOWING, 87},
        {"$GPRMC,1" + long80.substr(7) + FOLLOWING, IGNORED},
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
        {vtg("018.0", "9.0", "GN") + FOLLOWING, 18},
        {rmc("012.4", "031.0", "GN") + FOLLOWING + vtg("032.0", "9.0") + FOLLOWING, 32},
        {rmc("012.4", "042.0", "GN") + FOLLOWING + rmc("012.4", "043.0") + FOLLOWING, 42},
        {vtg("035.0", "9.0", "GA") + FOLLOWING + vtg("036.0", "9.0") + FOLLOWING, 35},
        {vtg("037.0", "9.0", "IN") + FOLLOWING + rmc("012.4", "038.0", "GN") + FOLLOWING, 38},
        {"$G" + rmc("012.4", "041.0", "GN") + FOLLOWING, 41}};
    for (const char* talker : {"GN", "GL", "GA", "GB", "BD", "GQ", "GI"})
        cases.push_back({rmc("012.4", "011.0", talker) + FOLLOWING, 11});
    for (const char* talker : {"IN", "II", "PQ", "gp"})
        cases.push_back({rmc("012.4", "011.0", talker) + FOLLOWING, IGNORED});
    for (const auto& [buffer, heading] : cases) {
        SCOPED_TRACE(buffer.substr(0, 120));
        compass(buffer);
        const bool ignored = heading == IGNORED, slow = heading == SLOW;
        const int shown = heading < 0 ? 200 : heading;
        const std::string label = "GPS " + std::to_string(1000 + shown).substr(1) + " TRU";
        EXPECT_EQ(
            (std::tuple{f.HEADING, f.Label_HDG.caption, f.GPS_BUFFER, f.GPS_TIME}),
            (std::tuple<Integer, std::string, std::string, Long>{
                shown, ignored ? "before" : label, ignored ? buffer : "", ignored ? 0 : 36010}));
        EXPECT_EQ((std::array{f.Frame_GPS_FAIL.visible, f.Frame_GPS_SPEED.visible, f.NEWAZIMUTH,
                              f.NEWRING}),
                  (std::array{ignored, ignored || slow, !ignored, !ignored}));
    }
}

// The label shows the dialog's variation, not the main window's copy, wrapped
// into 0..359; in manual mode the buffer is not looked at.
TEST_F(Compass, WithVariationOnTheLabelShowsTheMagneticHeading) {
    f.CmdButton_VAR.caption = VAR_ON;
    f.HEADING_CORRECTION = 33;
    for (const auto& [variation, course, label] :
         {std::tuple{-10, "005.0", "GPS 355 MAG"}, std::tuple{10, "355.0", "GPS 005 MAG"}}) {
        rig.settings.HEADING_CORRECTION = static_cast<Integer>(variation);
        compass(rmc("012.4", course) + FOLLOWING);
        EXPECT_EQ(f.Label_HDG.caption, label);
        EXPECT_EQ(f.HEADING_STRING, std::string(label).substr(4, 3));
    }
    rig.settings.headingSource = "MANUAL";
    f.GPS_BUFFER = rmc("012.4", "087.6") + FOLLOWING;
    COMPASS(f);
    EXPECT_NE(f.GPS_BUFFER, "");
}

// Each real receiver capture through the fake serial port into the running
// cycle; the checks are those of NmeaCaptures.h.
class CaptureReplay : public ::testing::TestWithParam<std::string> {};

TEST_P(CaptureReplay, TheHeadingFollowsTheMovingFixesAndNothingElse) {
    replayCapture(loadCapture(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Captures, CaptureReplay, ::testing::ValuesIn(CAPTURES), captureTestName);

} // namespace
