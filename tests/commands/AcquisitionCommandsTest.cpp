// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/AcquisitionCommands.h"
#include "support/TestRig.h"

namespace {

// A window just started: acquisition on in test mode, port closed.
struct Acquisition : ::testing::Test {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    void fillTables() { f.BRG_HIST[90] = f.BRG_SUM[90] = f.MAXVECTOR = 4; }
};

// The source table: the generator runs with both on, the port is open with
// acquisition on outside test mode, DF_TIMER follows acquisition. Switching
// TEST empties the picture; switching ACQUIRE keeps it. Whenever the port
// closes, the serial watch goes and the counters come back.
TEST_F(Acquisition, AcquireAndTestSelectTheSourceAndOnlyTestEmptiesThePicture) {
    const std::tuple<char, bool, bool> rows[] = {
        {'A', false, true}, {'A', true, true}, {'A', false, true}, {'T', false, false},
        {'A', true, false}, {'T', true, true}, {'T', true, false}, {'A', false, false}};
    for (const auto& [key, acquire, test] : rows) {
        SCOPED_TRACE(::testing::Message() << key << acquire << test);
        fillTables();
        f.Label_COM_TIMEOUT.visible = rig.serial.isOpen();
        f.Frame_TOP_LEFT.visible = !rig.serial.isOpen();
        f.Frame_GPS_SPEED.visible = true;
        pressKey(rig, letterKey(key));
        EXPECT_EQ((std::pair{f.CmdButton_ACQUIRE.caption, f.CmdButton_TEST.caption}),
                  (std::pair<std::string, std::string>{acquire ? ACQUIRE_ON : ACQUIRE_OFF,
                                                       test ? TEST_ON : TEST_OFF}));
        const bool portOpen = acquire && !test;
        // GPS SPEED goes when acquisition goes off and when test mode comes on.
        const bool speedShown = key == 'A' ? acquire : !test;
        EXPECT_EQ(
            (std::array{rig.serial.isOpen(), f.COM_TIMEOUT_TIMER, f.SIMULATE_TIMER, f.DF_TIMER,
                        f.Frame_TOP_LEFT.visible, f.Label_COM_TIMEOUT.visible,
                        f.Frame_GPS_SPEED.visible}),
            (std::array{portOpen, portOpen, acquire && test, acquire, true, false, speedShown}));
        EXPECT_EQ(f.BRG_HIST[90], key == 'A' ? 4 : 0);
    }
}

// Leaving test mode with acquisition on starts afresh on the port; entering
// it with panels hidden leaves the counters hidden.
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
    EXPECT_EQ((std::pair{f.Label_SOURCE.caption, f.Label_TOTAL_TIME.caption}),
              (std::pair<std::string, std::string>{"SOURCE :   DF", "TOTAL TIME : 0000"}));
    EXPECT_TRUE(f.NEWSECTOR && f.NEWVECTOR && f.NEWAZIMUTH);
    EXPECT_EQ((std::array{f.LAST_COM_TIME, f.DF_TIME, f.GPS_TIME}),
              (std::array{40001, 40001, 40001}));
    f.SHOW_HIDE = 1;
    f.Frame_TOP_LEFT.visible = false;
    pressKey(rig, letterKey('T'));
    EXPECT_FALSE(f.Frame_TOP_LEFT.visible);
}

TEST_F(Acquisition, DecaySwitchesTheDecayClock) {
    rig.clock.seconds = 50000.5;
    pressKey(rig, letterKey('D'));
    EXPECT_EQ((std::tuple{f.CmdButton_DECAY.caption, f.DECAY_TIMER, f.DECAY_TIME}),
              (std::tuple<std::string, bool, Long>{"D:DECAY         ( ON )", true, 50000}));
    pressKey(rig, letterKey('D'));
    EXPECT_EQ((std::pair{f.CmdButton_DECAY.caption, f.DECAY_TIMER}),
              (std::pair<std::string, bool>{"D:DECAY        ( OFF )", false}));
}

// A port that cannot be opened: the reason is shown and acquisition is left as
// for a closed port, so the operator can fix the cause and press A again.
// Acquisition switched back on restarts the GPS watch.
TEST_F(Acquisition, APortThatCannotBeOpenedShowsWhyAndLeavesAcquisitionOff) {
    f.Label_COMM.caption = "COM1 @ 4800 BAUD";
    rig.serial.failOpen = true;
    rig.serial.failReason = "COM1: NO ACCESS";
    fillTables();
    EXPECT_THROW(pressKey(rig, letterKey('T')), SerialPortError);
    EXPECT_EQ((std::pair{f.Label_COMM.caption, f.BRG_HIST[90]}),
              (std::pair<std::string, Single>{"COM1: NO ACCESS", 0}));
    EXPECT_FALSE(f.DF_TIMER || f.COM_TIMEOUT_TIMER || f.SIMULATE_TIMER || rig.serial.isOpen());
    rig.serial.failOpen = false;
    rig.clock.seconds = 36100;
    pressKey(rig, letterKey('A'));
    EXPECT_TRUE(rig.serial.isOpen() && f.DF_TIMER && f.COM_TIMEOUT_TIMER);
    EXPECT_EQ((std::pair{f.Label_COMM.caption, f.GPS_TIME}),
              (std::pair<std::string, Long>{"COM1 @ 4800 BAUD", 36100}));

    // A recalled picture goes once acquisition is back on the port.
    pressKey(rig, letterKey('A'));
    fillTables();
    f.Label_SOURCE.caption = "SOURCE : MEM2";
    pressKey(rig, letterKey('A'));
    EXPECT_EQ((std::pair{f.Label_SOURCE.caption, f.BRG_HIST[90] + f.BRG_SUM[90] + f.MAXVECTOR}),
              (std::pair<std::string, Single>{"SOURCE :   DF", 0}));
}

} // namespace
