#include "commands/AcquisitionCommands.h"
#include "KeyPress.h"
#include "core/Captions.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

namespace {

// A window just started: acquisition on in test mode, port closed.
struct Acquisition : ::testing::Test {
    TestRig rig;
    form_VECTRIN& f = rig.f;

    void fillTables() {
        f.BRG_HIST[90] = 4;
        f.BRG_SUM[90] = 12;
        f.MAXVECTOR = 12;
    }
    bool tablesEmpty() const {
        for (int d = 1; d <= 360; ++d)
            if (f.BRG_HIST[d] != 0 || f.BRG_SUM[d] != 0) return false;
        return true;
    }
};

TEST_F(Acquisition, TheSourceStatesOfAcquireAndTest) {
    // on / on: the generator runs, the port stays closed.
    EXPECT_TRUE(f.SIMULATE_TIMER);
    EXPECT_TRUE(f.DF_TIMER);
    EXPECT_FALSE(rig.serial.isOpen());

    // on / off: the port is open, the generator stopped.
    pressKey(rig, letterKey('T'));
    EXPECT_TRUE(rig.serial.isOpen());
    EXPECT_FALSE(f.SIMULATE_TIMER);
    EXPECT_TRUE(f.DF_TIMER);

    // off / off: ACQUIRE off closes the port.
    pressKey(rig, letterKey('A'));
    EXPECT_FALSE(rig.serial.isOpen());
    EXPECT_FALSE(f.SIMULATE_TIMER);
    EXPECT_FALSE(f.DF_TIMER);

    // off / on: the generator stays stopped.
    pressKey(rig, letterKey('T'));
    EXPECT_FALSE(rig.serial.isOpen());
    EXPECT_FALSE(f.SIMULATE_TIMER);
    EXPECT_FALSE(f.DF_TIMER);
    EXPECT_EQ(f.CmdButton_TEST.caption, TEST_ON);
    EXPECT_EQ(f.CmdButton_ACQUIRE.caption, ACQUIRE_OFF);
}

TEST_F(Acquisition, AcquireOffAndOnInTestModeStopsAndResumesTheGeneratorKeepingTheTables) {
    fillTables();
    CmdButton_ACQUIRE_Click(f);
    EXPECT_EQ(f.CmdButton_ACQUIRE.caption, ACQUIRE_OFF);
    EXPECT_FALSE(f.SIMULATE_TIMER);
    EXPECT_FALSE(f.DF_TIMER);
    rig.clock.seconds = 36100.4;
    CmdButton_ACQUIRE_Click(f);
    EXPECT_EQ(f.CmdButton_ACQUIRE.caption, ACQUIRE_ON);
    EXPECT_TRUE(f.SIMULATE_TIMER);
    EXPECT_TRUE(f.DF_TIMER);
    EXPECT_EQ(f.DF_TIME, 36100);
    EXPECT_EQ(f.GPS_TIME, 36100);
    EXPECT_EQ(f.BRG_HIST[90], 4);
    EXPECT_EQ(f.BRG_SUM[90], 12);
    EXPECT_FALSE(rig.serial.isOpen());
    EXPECT_EQ(rig.serial.opens, 0);
}

TEST_F(Acquisition, LeavingTestModeWithAcquisitionOnOpensThePortAndStartsAfresh) {
    fillTables();
    f.INCOUNT = 50;
    f.ACQTIME = 77;
    f.Label_TOTAL_BRG.caption = "TOTAL BRG : 0050";
    f.Label_TOTAL_TIME.caption = "TOTAL TIME : 0077";
    f.NEWSECTOR = f.NEWVECTOR = f.NEWAZIMUTH = false;
    rig.clock.seconds = 40000.6;
    pressKey(rig, letterKey('T'));
    EXPECT_EQ(f.CmdButton_TEST.caption, TEST_OFF);
    EXPECT_TRUE(rig.serial.isOpen());
    EXPECT_TRUE(tablesEmpty());
    EXPECT_EQ(f.Label_SOURCE.caption, "SOURCE :   DF");
    EXPECT_EQ(f.Label_TOTAL_TIME.caption, "TOTAL TIME : 0000");
    EXPECT_EQ(f.Label_TOTAL_BRG.caption, "TOTAL BRG : 0000");
    EXPECT_EQ(f.INCOUNT, 0);
    EXPECT_EQ(f.ACQTIME, 0);
    EXPECT_EQ(f.MAXVECTOR, 0);
    EXPECT_TRUE(f.NEWSECTOR && f.NEWVECTOR && f.NEWAZIMUTH);
    EXPECT_TRUE(f.COM_TIMEOUT_TIMER);
    EXPECT_EQ(f.LAST_COM_TIME, 40001);
    EXPECT_EQ(f.DF_TIME, 40001);
    EXPECT_EQ(f.GPS_TIME, 40001);
}

TEST_F(Acquisition, LeavingTestModeWithAcquisitionOffLeavesThePortForAcquireToOpen) {
    CmdButton_ACQUIRE_Click(f);
    CmdButton_TEST_Click(f);
    EXPECT_FALSE(rig.serial.isOpen());
    EXPECT_FALSE(f.COM_TIMEOUT_TIMER);
    EXPECT_EQ(f.Label_SOURCE.caption, "SOURCE :   DF");
    rig.clock.seconds = 36050.2;
    CmdButton_ACQUIRE_Click(f);
    EXPECT_TRUE(rig.serial.isOpen());
    EXPECT_TRUE(f.COM_TIMEOUT_TIMER);
    EXPECT_EQ(f.LAST_COM_TIME, 36050);
    EXPECT_TRUE(f.DF_TIMER);
    EXPECT_FALSE(f.SIMULATE_TIMER);
}

TEST_F(Acquisition, AcquireOffOutsideTestModeClosesThePortAndStopsTheWatch) {
    CmdButton_TEST_Click(f);
    f.Label_COM_TIMEOUT.visible = true;
    f.Frame_TOP_LEFT.visible = false;
    f.Frame_GPS_SPEED.visible = true;
    CmdButton_ACQUIRE_Click(f);
    EXPECT_FALSE(rig.serial.isOpen());
    EXPECT_FALSE(f.COM_TIMEOUT_TIMER);
    EXPECT_FALSE(f.Label_COM_TIMEOUT.visible);
    EXPECT_TRUE(f.Frame_TOP_LEFT.visible);
    EXPECT_FALSE(f.Frame_GPS_SPEED.visible);
}

TEST_F(Acquisition, EnteringTestModeClosesThePortAndShowsTheCountersOnlyWhenNothingIsHidden) {
    CmdButton_TEST_Click(f);
    f.Label_COM_TIMEOUT.visible = true;
    f.Frame_TOP_LEFT.visible = false;
    f.Frame_GPS_FAIL.visible = true;
    f.SHOW_HIDE = 1;
    fillTables();
    CmdButton_TEST_Click(f);
    EXPECT_EQ(f.CmdButton_TEST.caption, TEST_ON);
    EXPECT_EQ(f.Label_SOURCE.caption, "SOURCE : TEST");
    EXPECT_FALSE(rig.serial.isOpen());
    EXPECT_FALSE(f.COM_TIMEOUT_TIMER);
    EXPECT_FALSE(f.Label_COM_TIMEOUT.visible);
    EXPECT_FALSE(f.Frame_TOP_LEFT.visible);
    EXPECT_FALSE(f.Frame_GPS_FAIL.visible);
    EXPECT_TRUE(tablesEmpty());
    EXPECT_TRUE(f.SIMULATE_TIMER);
    EXPECT_TRUE(f.DF_TIMER);

    CmdButton_TEST_Click(f);
    f.SHOW_HIDE = 0;
    f.Frame_TOP_LEFT.visible = false;
    CmdButton_TEST_Click(f);
    EXPECT_TRUE(f.Frame_TOP_LEFT.visible);
}

TEST_F(Acquisition, AcquireOnAfterARecallEmptiesThePictureAndReturnsToDf) {
    CmdButton_ACQUIRE_Click(f);
    CmdButton_TEST_Click(f);
    fillTables();
    f.Label_SOURCE.caption = "SOURCE : MEM4";
    f.INCOUNT = 9;
    f.ACQTIME = 3;
    f.NEWSECTOR = f.NEWVECTOR = f.NEWAZIMUTH = false;
    CmdButton_ACQUIRE_Click(f);
    EXPECT_TRUE(tablesEmpty());
    EXPECT_EQ(f.Label_SOURCE.caption, "SOURCE :   DF");
    EXPECT_EQ(f.INCOUNT, 0);
    EXPECT_EQ(f.ACQTIME, 0);
    EXPECT_EQ(f.MAXVECTOR, 0);
    EXPECT_TRUE(f.NEWSECTOR && f.NEWVECTOR && f.NEWAZIMUTH);
}

TEST_F(Acquisition, AcquireOnWithoutARecalledMemoryKeepsThePicture) {
    CmdButton_ACQUIRE_Click(f);
    CmdButton_TEST_Click(f);
    fillTables();
    CmdButton_ACQUIRE_Click(f);
    EXPECT_EQ(f.BRG_HIST[90], 4);
    EXPECT_EQ(f.MAXVECTOR, 12);
}

TEST_F(Acquisition, UnknownCaptionsCountAsOnAndAlwaysEndOnAKnownCaption) {
    f.CmdButton_ACQUIRE.caption = "A:ACQUIRE";
    f.CmdButton_TEST.caption = "T:TEST";
    f.CmdButton_DECAY.caption = "D:DECAY";
    CmdButton_ACQUIRE_Click(f);
    CmdButton_TEST_Click(f);
    CmdButton_DECAY_Click(f);
    EXPECT_EQ(f.CmdButton_ACQUIRE.caption, ACQUIRE_OFF);
    EXPECT_EQ(f.CmdButton_TEST.caption, TEST_OFF);
    EXPECT_EQ(f.CmdButton_DECAY.caption, DECAY_OFF);
    // With ACQUIRE neither on nor off, leaving test mode does not open the port.
    f.CmdButton_ACQUIRE.caption = "A:ACQUIRE";
    CmdButton_TEST_Click(f);
    CmdButton_TEST_Click(f);
    EXPECT_FALSE(rig.serial.isOpen());
    EXPECT_FALSE(f.DF_TIMER);
}

TEST_F(Acquisition, DecaySwitchesTheDecayClock) {
    rig.clock.seconds = 50000.5;
    pressKey(rig, letterKey('D'));
    EXPECT_EQ(f.CmdButton_DECAY.caption, DECAY_ON);
    EXPECT_TRUE(f.DECAY_TIMER);
    EXPECT_EQ(f.DECAY_TIME, 50000);
    pressKey(rig, letterKey('D'));
    EXPECT_EQ(f.CmdButton_DECAY.caption, DECAY_OFF);
    EXPECT_FALSE(f.DECAY_TIMER);
    EXPECT_TRUE(rig.surface.ops.empty());
}

TEST_F(Acquisition, AcquireAndTestRunNoCycle) {
    CmdButton_TEST_Click(f);
    CmdButton_ACQUIRE_Click(f);
    CmdButton_ACQUIRE_Click(f);
    CmdButton_TEST_Click(f);
    EXPECT_TRUE(rig.surface.ops.empty());
}

// The port that cannot be opened: the reason is shown and acquisition is left
// as for a closed port, so the operator can fix the cause and press A again.
struct PortFailure : Acquisition {
    void SetUp() override {
        f.Label_COMM.caption = "COM1 @ 4800 BAUD";
        rig.serial.failOpen = true;
        rig.serial.failReason = "COM1: NO ACCESS";
    }
    void expectLeftOff() {
        EXPECT_FALSE(rig.serial.isOpen());
        EXPECT_EQ(f.Label_COMM.caption, "COM1: NO ACCESS");
        EXPECT_EQ(f.CmdButton_ACQUIRE.caption, ACQUIRE_OFF);
        EXPECT_FALSE(f.DF_TIMER);
        EXPECT_FALSE(f.COM_TIMEOUT_TIMER);
        EXPECT_FALSE(f.SIMULATE_TIMER);
    }
};

TEST_F(PortFailure, LeavingTestModeShowsWhyAndEndsWithAcquisitionOff) {
    fillTables();
    f.INCOUNT = 5;
    EXPECT_THROW(CmdButton_TEST_Click(f), SerialPortError);
    expectLeftOff();
    EXPECT_EQ(f.CmdButton_TEST.caption, TEST_OFF);
    EXPECT_TRUE(tablesEmpty());
    EXPECT_EQ(f.INCOUNT, 0);
    EXPECT_EQ(f.Label_TOTAL_BRG.caption, "TOTAL BRG : 0000");
    EXPECT_TRUE(f.NEWVECTOR);
}

TEST_F(PortFailure, AcquireShowsWhyAndPressingAgainOnceFixedOpensAndRestoresTheLabel) {
    CmdButton_ACQUIRE_Click(f);
    CmdButton_TEST_Click(f);
    EXPECT_THROW(CmdButton_ACQUIRE_Click(f), SerialPortError);
    expectLeftOff();
    rig.serial.failReason = "COM1: NOT FOUND";
    EXPECT_THROW(CmdButton_ACQUIRE_Click(f), SerialPortError);
    EXPECT_EQ(f.Label_COMM.caption, "COM1: NOT FOUND");
    rig.serial.failOpen = false;
    CmdButton_ACQUIRE_Click(f);
    EXPECT_TRUE(rig.serial.isOpen());
    EXPECT_EQ(f.CmdButton_ACQUIRE.caption, ACQUIRE_ON);
    EXPECT_TRUE(f.DF_TIMER);
    EXPECT_TRUE(f.COM_TIMEOUT_TIMER);
    EXPECT_EQ(f.Label_COMM.caption, "COM1 @ 4800 BAUD");
}

TEST_F(PortFailure, ALabelRewrittenSinceTheFailureIsKept) {
    EXPECT_THROW(CmdButton_TEST_Click(f), SerialPortError);
    f.Label_COMM.caption = "COM3 @ 9600 BAUD";
    rig.serial.failOpen = false;
    CmdButton_ACQUIRE_Click(f);
    EXPECT_TRUE(rig.serial.isOpen());
    EXPECT_EQ(f.Label_COMM.caption, "COM3 @ 9600 BAUD");
}

TEST_F(PortFailure, AFailedRecalledMemorySwitchKeepsTheRecalledPicture) {
    CmdButton_ACQUIRE_Click(f);
    CmdButton_TEST_Click(f);
    fillTables();
    f.Label_SOURCE.caption = "SOURCE : MEM2";
    EXPECT_THROW(CmdButton_ACQUIRE_Click(f), SerialPortError);
    EXPECT_EQ(f.Label_SOURCE.caption, "SOURCE : MEM2");
    EXPECT_EQ(f.BRG_HIST[90], 4);
}

} // namespace
