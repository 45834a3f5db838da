#include "core/Compass.h"
#include "core/Captions.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

#include <string>

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

// COMPASS with the heading source on GPS and a known heading beforehand.
struct Compass : ::testing::Test {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    void SetUp() override {
        f.SIMULATE_TIMER = false;
        rig.settings.headingSource = "GPS";
        f.HEADING = 200;
        f.Label_HDG.caption = "before";
        f.Frame_GPS_FAIL.visible = true;
        f.NEWAZIMUTH = false;
        f.NEWRING = false;
        rig.clock.seconds = 36010.4;
    }
    void compass(const std::string& buffer) {
        f.GPS_BUFFER = buffer;
        COMPASS(f);
    }
    // The heading after a complete RMC sentence with these fields.
    int headingFrom(const std::string& speed, const std::string& course) {
        compass(rmc(speed, course) + FOLLOWING);
        return f.HEADING;
    }
    // A stop leaves the buffer, the heading, the label and the frames alone.
    void expectIgnored(const std::string& buffer) {
        const Integer heading = f.HEADING;
        const std::string label = f.Label_HDG.caption;
        const bool fail = f.Frame_GPS_FAIL.visible;
        const bool lowSpeed = f.Frame_GPS_SPEED.visible;
        const Long time = f.GPS_TIME;
        f.NEWAZIMUTH = false;
        compass(buffer);
        EXPECT_EQ(f.GPS_BUFFER, buffer);
        EXPECT_EQ(f.HEADING, heading);
        EXPECT_EQ(f.Label_HDG.caption, label);
        EXPECT_EQ(f.Frame_GPS_FAIL.visible, fail);
        EXPECT_EQ(f.Frame_GPS_SPEED.visible, lowSpeed);
        EXPECT_EQ(f.GPS_TIME, time);
        EXPECT_FALSE(f.NEWAZIMUTH);
    }
};

TEST_F(Compass, AMovingFixSetsTheHeadingAndEmptiesTheBuffer) {
    compass("noise" + rmc("012.4", "087.6") + FOLLOWING);
    EXPECT_EQ(f.HEADING, 87);
    EXPECT_EQ(f.HEADING_STRING, "087");
    EXPECT_EQ(f.Label_HDG.caption, "GPS 087 TRU");
    EXPECT_EQ(f.GPS_BUFFER, "");
    EXPECT_EQ(f.GPS_TIME, 36010);
    EXPECT_FALSE(f.Frame_GPS_FAIL.visible);
    EXPECT_FALSE(f.Frame_GPS_SPEED.visible);
    EXPECT_TRUE(f.NEWAZIMUTH);
    EXPECT_TRUE(f.NEWRING);
}

TEST_F(Compass, AtThreeKnotsOrLessTheHeadingStaysAndGpsSpeedShows) {
    for (const char* speed : {"003.0", "3.9", "0.00"}) {
        f.Frame_GPS_SPEED.visible = false;
        compass(rmc(speed, "087.6") + FOLLOWING);
        EXPECT_EQ(f.HEADING, 200) << speed;
        EXPECT_TRUE(f.Frame_GPS_SPEED.visible) << speed;
        EXPECT_EQ(f.Label_HDG.caption, "GPS 200 TRU") << speed;
        EXPECT_EQ(f.GPS_BUFFER, "") << speed;
        EXPECT_FALSE(f.Frame_GPS_FAIL.visible);
    }
    compass(rmc("4.0", "087.6") + FOLLOWING);
    EXPECT_EQ(f.HEADING, 87);
    EXPECT_FALSE(f.Frame_GPS_SPEED.visible);
}

TEST_F(Compass, VtgWinsOverRmcWhereverItStands) {
    compass(rmc("010.0", "111.0") + FOLLOWING + vtg("222.7", "9.0") + FOLLOWING);
    EXPECT_EQ(f.HEADING, 222);
    EXPECT_EQ(f.GPS_BUFFER, "");
}

TEST_F(Compass, AnIncompleteVtgHoldsBackACompleteRmc) {
    expectIgnored(rmc("010.0", "111.0") + FOLLOWING + vtg("222.7", "9.0"));
}

TEST_F(Compass, ASentenceWaitsUntil82CharactersStandFromItsDollar) {
    const std::string sentence = rmc("012.4", "087.6") + "\r\n";
    const std::string text = sentence + std::string(82 - sentence.size(), 'x');
    expectIgnored(text.substr(0, 81));
    compass(text);
    EXPECT_EQ(f.HEADING, 87);
}

TEST_F(Compass, OnlyTheFirstSentenceOfTheKindCounts) {
    const std::string empty = "$GPRMC,,V,,,,,,,,,,N*53\r\n";
    expectIgnored(empty + rmc("012.4", "087.6") + FOLLOWING);
    compass(rmc("012.4", "087.6") + FOLLOWING + rmc("012.4", "300.0") + FOLLOWING);
    EXPECT_EQ(f.HEADING, 87);
}

TEST_F(Compass, EmptyFieldsRejectTheSentence) {
    expectIgnored(rmc("", "087.6") + FOLLOWING);
    expectIgnored(rmc("012.4", "") + FOLLOWING);
    expectIgnored(vtg("", "9.0") + FOLLOWING);
    expectIgnored("$GPVTG,,,,,,,,,N*30" + FOLLOWING);
    expectIgnored("$GPVTG,,T,,M,,N,,K,N*2C" + FOLLOWING);
}

TEST_F(Compass, CourseAndSpeedOutsideTheirLimitsRejectTheSentence) {
    expectIgnored(rmc("012.4", "360.0") + FOLLOWING);
    expectIgnored(rmc("012.4", "-1.0") + FOLLOWING);
    expectIgnored(rmc("301", "087.6") + FOLLOWING);
    expectIgnored(rmc("121007", "2.6") + FOLLOWING);
    expectIgnored(rmc("-4", "087.6") + FOLLOWING);
    expectIgnored(rmc("1e400", "087.6") + FOLLOWING);
}

TEST_F(Compass, ValuesAreTruncatedTowardZeroBeforeTheLimits) {
    EXPECT_EQ(headingFrom("012.4", "359.9"), 359);
    EXPECT_EQ(headingFrom("300.9", "045.0"), 45);
    EXPECT_EQ(headingFrom("12", "-0.5"), 0);
}

TEST_F(Compass, FieldsWithLettersAreReadAsFarAsTheirNumberGoes) {
    EXPECT_EQ(headingFrom("12.0", "12X"), 12);
    EXPECT_EQ(headingFrom("9 9", "1 23.4"), 123);
    EXPECT_EQ(headingFrom("12.0", "N"), 0);
}

TEST_F(Compass, WithVariationOnTheLabelShowsTheDialogsMagneticHeading) {
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
    rig.settings.HEADING_CORRECTION = 180;
    compass(rmc("012.4", "180.0") + FOLLOWING);
    EXPECT_EQ(f.Label_HDG.caption, "GPS 000 MAG");
}

TEST_F(Compass, InManualModeTheBufferIsNotLookedAt) {
    rig.settings.headingSource = "MANUAL";
    expectIgnored(rmc("012.4", "087.6") + FOLLOWING);
}

TEST_F(Compass, AnyHeadingSourceButManualMeansGps) {
    rig.settings.headingSource = "gps";
    compass(rmc("012.4", "087.6") + FOLLOWING);
    EXPECT_EQ(f.HEADING, 87);
}

// Fields beyond the 80 characters from the "$" are not seen, so an overlong
// sentence loses its course field.
TEST_F(Compass, OnlyTheFirst80CharactersOfASentenceAreRead) {
    const std::string prefix = "$GPRMC,";
    const std::string head = ",A,4807.038,N,01131.000,E,12.4,";
    const std::string course = "087.6,";
    // The comma that closes the course field is the window's 80th character.
    const std::string filler(80 - prefix.size() - head.size() - course.size(), '1');
    compass(prefix + filler + head + course + "230394" + FOLLOWING);
    EXPECT_EQ(f.HEADING, 87);
    expectIgnored(prefix + filler + "1" + head + course + "230394" + FOLLOWING);
}

// A comma that is not found makes the next search start again from the first
// character of the window, so a short sentence can be read at other fields.
TEST_F(Compass, AMissingCommaRestartsTheSearchAtTheWindowsStart) {
    const std::string noCommas(90, ' ');
    compass("$GPRMC,0,045.5,123.4," + noCommas);
    EXPECT_EQ(f.HEADING, 123);
    expectIgnored("$GPRMC,0,045.5,123.4" + noCommas);
}

TEST_F(Compass, NoiseAndCutSentencesNeverGiveAnImpossibleHeading) {
    std::string noise;
    for (int i = 0; i < 1000; ++i)
        noise.push_back(static_cast<char>((i * 7919 + 13) % 256));
    expectIgnored(noise);
    const std::string sentence = rmc("012.4", "087.6");
    for (std::size_t cut = 0; cut <= sentence.size(); ++cut) {
        f.HEADING = 200;
        compass(sentence.substr(0, cut) + FOLLOWING + FOLLOWING);
        EXPECT_GE(f.HEADING, 0) << cut;
        EXPECT_LE(f.HEADING, 359) << cut;
        if (f.GPS_BUFFER.empty()) {
            EXPECT_EQ(f.HEADING_STRING.size(), 3u) << cut;
        }
    }
}

} // namespace
