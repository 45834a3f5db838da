// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Timers.h"
#include "core/Captions.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

namespace {

// The clocks and watches at the start of a cycle, with the generator off so
// only the clock under test changes the state.
struct Timers : ::testing::Test {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    void SetUp() override { f.SIMULATE_TIMER = false; }
    void at(double seconds) {
        rig.clock.seconds = seconds;
        TIMERS(f);
    }
    void leaveTestMode() { f.CmdButton_TEST.caption = TEST_OFF; }
};

TEST_F(Timers, SerialWatchWarnsOnlyAfterMoreThanFiveSecondsOfSilence) {
    f.COM_TIMEOUT_TIMER = true;
    f.LAST_COM_TIME = 36000;
    at(36005.0);
    EXPECT_FALSE(f.Label_COM_TIMEOUT.visible);
    EXPECT_TRUE(f.Frame_TOP_LEFT.visible);
    at(36005.05);
    EXPECT_TRUE(f.Label_COM_TIMEOUT.visible);
    EXPECT_FALSE(f.Frame_TOP_LEFT.visible);

    rig.serial.deliver("$GPGGA");
    at(36005.1);
    EXPECT_FALSE(f.Label_COM_TIMEOUT.visible);
    EXPECT_TRUE(f.Frame_TOP_LEFT.visible);
}

TEST_F(Timers, SerialWatchLeavesTheFrameHiddenWhileEverythingIsHidden) {
    f.COM_TIMEOUT_TIMER = true;
    f.LAST_COM_TIME = 36000;
    f.SHOW_HIDE = 2;
    f.Frame_TOP_LEFT.visible = false;
    at(36001.0);
    EXPECT_FALSE(f.Frame_TOP_LEFT.visible);
    EXPECT_FALSE(f.Label_COM_TIMEOUT.visible);
}

TEST_F(Timers, TotalTimeShowsFourDigitsThenALeadingBlankFromOneThousand) {
    f.ACQTIME = 0;
    f.DF_TIME = 36000;
    at(36007.0);
    EXPECT_EQ(f.Label_TOTAL_TIME.caption, "TOTAL TIME : 0007");
    EXPECT_EQ(f.DF_TIME, 36007);
    f.ACQTIME = 999.4f;
    at(36007.5);
    EXPECT_EQ(f.Label_TOTAL_TIME.caption, "TOTAL TIME : 0999");
    EXPECT_EQ(f.DF_TIME, 36008); // 36007.5 rounds half to even
    f.ACQTIME = 999.5f;
    at(36008.5);
    EXPECT_EQ(f.Label_TOTAL_TIME.caption, "TOTAL TIME :  1000");
    EXPECT_EQ(f.DF_TIME, 36008);
}

TEST_F(Timers, AStartSecondRoundedUpIsNotTakenForMidnight) {
    rig.clock.seconds = 36000.6;
    initialiseDisplayState(f);
    f.SIMULATE_TIMER = false;
    ASSERT_EQ(f.ROLLOVER, 36001);
    at(36000.65);
    at(36000.9);
    EXPECT_EQ(f.ROLLOVER, 36001);
    EXPECT_EQ(f.DF_TIME, 36001);
    EXPECT_LT(f.ACQTIME, 1.0f);
}

struct Decay : Timers {
    void SetUp() override {
        Timers::SetUp();
        f.DECAY_TIMER = true;
        f.DECAY_TIME = 36000;
        rig.settings.decayIntervalTag = "10";
        rig.settings.decayFractionTag = "0.5";
        f.BRG_HIST[90] = 8;
        f.BRG_SUM[88] = 8;
        f.BRG_SUM[90] = 16;
        f.MAXVECTOR = 16;
        f.NEWAZIMUTH = false;
        f.NEWRING = false;
    }
};

TEST_F(Decay, WaitsForTheFirstCycleAtOrAfterTheInterval) {
    at(36009.99);
    EXPECT_EQ(f.BRG_HIST[90], 8);
    EXPECT_FALSE(f.NEWAZIMUTH);
    at(36010.2);
    EXPECT_EQ(f.BRG_HIST[90], 4);
    EXPECT_EQ(f.BRG_SUM[88], 4);
    EXPECT_EQ(f.BRG_SUM[90], 8);
    EXPECT_EQ(f.MAXVECTOR, 8);
    EXPECT_EQ(f.DECAY_TIME, 36010);
    EXPECT_TRUE(f.NEWAZIMUTH);
    EXPECT_TRUE(f.NEWRING);
    at(36019.9);
    EXPECT_EQ(f.BRG_HIST[90], 4);
    at(36020.0);
    EXPECT_EQ(f.BRG_HIST[90], 2);
}

TEST_F(Decay, ReadsTheIntervalAndFractionWhenItUsesThem) {
    rig.settings.decayIntervalTag = "5";
    rig.settings.decayFractionTag = "0.95";
    at(36005.0);
    EXPECT_FLOAT_EQ(f.BRG_HIST[90], 0.95f * 8);
}

struct GpsWatch : Timers {
    void SetUp() override {
        Timers::SetUp();
        f.GPS_TIMER = true;
        f.GPS_TIME = 36000;
        f.Frame_GPS_SPEED.visible = true;
    }
};

TEST_F(GpsWatch, NeverWarnsInTestMode) {
    at(36000.0 + 3600);
    EXPECT_FALSE(f.Frame_GPS_FAIL.visible);
    EXPECT_TRUE(f.Frame_GPS_SPEED.visible);
}

TEST_F(GpsWatch, WarnsAfterTenSecondsWhileAcquiringFromTheLine) {
    leaveTestMode();
    at(36010.0);
    EXPECT_FALSE(f.Frame_GPS_FAIL.visible);
    at(36010.05);
    EXPECT_TRUE(f.Frame_GPS_FAIL.visible);
    EXPECT_FALSE(f.Frame_GPS_SPEED.visible);
}

TEST_F(GpsWatch, StaysQuietWhileAcquisitionIsOffOrTheHeadingIsManual) {
    leaveTestMode();
    f.CmdButton_ACQUIRE.caption = ACQUIRE_OFF;
    at(36100.0);
    EXPECT_FALSE(f.Frame_GPS_FAIL.visible);
    f.CmdButton_ACQUIRE.caption = ACQUIRE_ON;
    f.GPS_TIMER = false;
    at(36200.0);
    EXPECT_FALSE(f.Frame_GPS_FAIL.visible);
}

} // namespace
