// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/AcquisitionCommands.h"
#include "KeyPress.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

// A window just started: acquisition on in test mode, port closed.
struct Acquisition : ::testing::Test {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    void fillTables() { f.BRG_HIST[90] = f.BRG_SUM[90] = f.MAXVECTOR = 4; }
};

// The source table: the generator runs with both on, the port is open with
// acquisition on outside test mode, DF_TIMER follows acquisition. Switching
// TEST empties the picture; switching ACQUIRE keeps it.
TEST_F(Acquisition, AcquireAndTestSelectTheSourceAndOnlyTestEmptiesThePicture) {
    struct Row {
        char key;
        bool acquire, test;
    };
    const Row rows[] = {{'A', false, true},  {'A', true, true},  {'A', false, true},
                        {'T', false, false}, {'A', true, false}, {'T', true, true},
                        {'T', true, false},  {'A', false, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "row " << &row - rows);
        fillTables();
        // Whenever the port closes, the serial watch goes and the counters come back.
        f.Label_COM_TIMEOUT.visible = rig.serial.isOpen();
        f.Frame_TOP_LEFT.visible = !rig.serial.isOpen();
        pressKey(rig, letterKey(row.key));
        EXPECT_TRUE(f.Frame_TOP_LEFT.visible && !f.Label_COM_TIMEOUT.visible);
        EXPECT_EQ(f.CmdButton_ACQUIRE.caption,
                  row.acquire ? "A:ACQUIRE    ( ON )" : "A:ACQUIRE  ( OFF )");
        EXPECT_EQ(f.CmdButton_TEST.caption,
                  row.test ? "T:TEST             ( ON )" : "T:TEST             ( OFF )");
        const bool portOpen = row.acquire && !row.test;
        EXPECT_EQ(
            (std::array{rig.serial.isOpen(), f.COM_TIMEOUT_TIMER, f.SIMULATE_TIMER, f.DF_TIMER}),
            (std::array{portOpen, portOpen, row.acquire && row.test, row.acquire}));
        EXPECT_EQ(f.BRG_HIST[90], row.key == 'A' ? 4 : 0);
    }
}

TEST_F(Acquisition, LeavingTestModeWithAcquisitionOnStartsAfreshOnThePort) {
    fillTables();
    f.INCOUNT = 50;
    f.ACQTIME = 77;
    f.Label_TOTAL_TIME.caption = "TOTAL TIME : 0077";
    f.NEWSECTOR = f.NEWVECTOR = f.NEWAZIMUTH = false;
    rig.clock.seconds = 40000.6;
    pressKey(rig, letterKey('T'));
    EXPECT_EQ(
        (std::array<Single, 4>{f.BRG_SUM[90], f.MAXVECTOR, Single(f.ACQTIME), Single(f.INCOUNT)}),
        (std::array<Single, 4>{}));
    EXPECT_EQ(f.Label_SOURCE.caption, "SOURCE :   DF");
    EXPECT_EQ(f.Label_TOTAL_TIME.caption, "TOTAL TIME : 0000");
    EXPECT_TRUE(f.NEWSECTOR && f.NEWVECTOR && f.NEWAZIMUTH);
    EXPECT_EQ((std::array{f.LAST_COM_TIME, f.DF_TIME, f.GPS_TIME}),
              (std::array{40001, 40001, 40001}));
}

TEST_F(Acquisition, DecaySwitchesTheDecayClockAndAnUnknownCaptionCountsAsOn) {
    rig.clock.seconds = 50000.5;
    pressKey(rig, letterKey('D'));
    EXPECT_EQ(f.CmdButton_DECAY.caption, "D:DECAY         ( ON )");
    EXPECT_TRUE(f.DECAY_TIMER);
    EXPECT_EQ(f.DECAY_TIME, 50000);
    f.CmdButton_DECAY.caption = "D:DECAY";
    pressKey(rig, letterKey('D'));
    EXPECT_EQ(f.CmdButton_DECAY.caption, "D:DECAY        ( OFF )");
    EXPECT_FALSE(f.DECAY_TIMER);
}

// A port that cannot be opened: the reason is shown and acquisition is left as
// for a closed port, so the operator can fix the cause and press A again.
TEST_F(Acquisition, APortThatCannotBeOpenedShowsWhyAndLeavesAcquisitionOff) {
    f.Label_COMM.caption = "COM1 @ 4800 BAUD";
    rig.serial.failOpen = true;
    rig.serial.failReason = "COM1: NO ACCESS";
    fillTables();
    EXPECT_THROW(pressKey(rig, letterKey('T')), SerialPortError);
    EXPECT_EQ(f.Label_COMM.caption, "COM1: NO ACCESS");
    EXPECT_FALSE(f.DF_TIMER || f.COM_TIMEOUT_TIMER || f.SIMULATE_TIMER || rig.serial.isOpen());
    EXPECT_EQ(f.BRG_HIST[90], 0);
    rig.serial.failOpen = false;
    pressKey(rig, letterKey('A'));
    EXPECT_TRUE(rig.serial.isOpen() && f.DF_TIMER && f.COM_TIMEOUT_TIMER);
    EXPECT_EQ(f.Label_COMM.caption, "COM1 @ 4800 BAUD");

    // A recalled picture stays when the switch back to the port fails, and
    // goes once the port opens; a label rewritten meanwhile (another port
    // chosen) stays.
    pressKey(rig, letterKey('A'));
    rig.serial.failOpen = true;
    fillTables();
    f.Label_SOURCE.caption = "SOURCE : MEM2";
    EXPECT_THROW(pressKey(rig, letterKey('A')), SerialPortError);
    EXPECT_EQ(f.Label_COMM.caption, "COM1: NO ACCESS");
    EXPECT_EQ(f.BRG_HIST[90], 4);
    f.Label_COMM.caption = "COM3 @ 9600 BAUD";
    rig.serial.failOpen = false;
    pressKey(rig, letterKey('A'));
    EXPECT_EQ(f.Label_COMM.caption, "COM3 @ 9600 BAUD");
    EXPECT_EQ(f.Label_SOURCE.caption, "SOURCE :   DF");
    EXPECT_EQ(f.BRG_HIST[90] + f.BRG_SUM[90] + f.MAXVECTOR, 0);
}

} // namespace
