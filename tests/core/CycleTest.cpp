// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Executive.h"
#include "core/Timers.h"
#include "support/TestRig.h"

namespace {

// The start values, in a window whose clock reads 36000.6 (rounded 36001); that
// start second, rounded up, is not taken for midnight by the cycles after it.
TEST(DisplayState, StartsWithTheDocumentedValuesAndEverythingElseZero) {
    TestRig rig(false);
    form_VECTRIN& f = rig.f;
    rig.clock.seconds = 36000.6;
    initialiseDisplayState(f);
    EXPECT_EQ((std::tuple{f.SECTOR_WIDTH, f.RINGCOUNT, f.OLDRINGCOUNT, f.WIN_SIZE, f.SHOW_HIDE,
                          f.FOCUS, f.DECAY_FRACTION}),
              (std::tuple<Integer, Integer, Integer, Integer, Integer, Single, Single>{
                  4, 1, 0, 1, 0, 2.5f, 0.9f}));
    EXPECT_EQ(
        (std::array{f.NEWAZIMUTH, f.NEWCURSOR, f.DF_TIMER, f.SIMULATE_TIMER, f.NEWRING, f.NEWSECTOR,
                    f.NEWVECTOR, f.COM_TIMEOUT_TIMER, f.DECAY_TIMER, f.GPS_TIMER,
                    f.NEW_DF_MESSAGE}),
        (std::array{true, true, true, true, false, false, false, false, false, false, false}));
    EXPECT_EQ((std::array{f.DF_TIME, f.ROLLOVER, f.GPS_TIME, f.LAST_COM_TIME, f.DECAY_TIME}),
              (std::array<Long, 5>{36001, 36001, 36001, 0, 0}));
    EXPECT_EQ(
        (std::array<int, 5>{f.HEADING, f.CURSOR_BEARING, f.INCOUNT, f.SIMULATE_COUNT, f.COPYRIGHT}),
        (std::array<int, 5>{}));
    EXPECT_EQ(f.MAXVECTOR + f.ACQTIME, 0);
    EXPECT_EQ((std::tuple{rig.timer1.interval(), rig.timer1.enabled(),
                          rig.timerMouseDown.interval(), rig.timerMouseDown.enabled()}),
              (std::tuple{50, true, 1000, false}));
    for (const double seconds : {36000.65, 36000.9}) {
        rig.clock.seconds = seconds;
        TIMERS(f);
    }
    EXPECT_EQ((std::pair{f.ROLLOVER, f.DF_TIME}), (std::pair<Long, Long>{36001, 36001}));
    EXPECT_LT(f.ACQTIME, 1.0f);
}

using Cycle = OnWindow;

// The first whole message of a notification starts a cycle that takes it in at
// once; messages until the next tick are dropped (taking them after it is
// DfFraming's concern) but refresh the serial-data watch while it runs. All text goes to the GPS
// buffer, which keeps the last 1000 characters.
TEST_F(Cycle, MessagesDuringTheLockOutAreDroppedButRefreshTheWatch) {
    const std::string text = std::string(5000, 'x') + "$GPRMC,xx*12\r\n%045%046";
    rig.serial.deliver(text);
    EXPECT_EQ(
        (std::tuple{f.DF_MESSAGE, f.GPS_BUFFER, f.LAST_COM_TIME}),
        (std::tuple<std::string, std::string, Long>{"045", text.substr(text.size() - 1000), 0}));
    f.COM_TIMEOUT_TIMER = true;
    rig.clock.seconds += 0.02;
    rig.serial.deliver("%090");
    EXPECT_EQ((std::pair{f.DF_MESSAGE, f.LAST_COM_TIME}),
              (std::pair<std::string, Long>{"045", 36000}));
    rig.timer1.fire();
    EXPECT_EQ(f.Label_TIME.caption, "TIME : 10:00:00 AM");
}

// A command's cycle before the tick does not take the message in again. The
// message is taken in before the heading moves: with a GPS course in the same
// notification, the bearing is relative to the old heading.
TEST_F(Cycle, AMessageIsTakenInOnceAndBeforeTheHeadingMoves) {
    rig.settings.headingSource = "GPS";
    rig.serial.deliver("$GPRMC,1,A,4807.038,N,01131.000,E,012.4,090.0,2,003.1,W*6A" +
                       std::string(30, ' ') + "%010");
    EXPECT_EQ((std::pair{f.TRUE_DF_BEARING, f.HEADING}), (std::pair<Integer, Integer>{10, 90}));
    EXECUTIVE(f);
    EXPECT_EQ((std::pair{f.BRG_HIST[10], f.INCOUNT}), (std::pair<Single, std::int32_t>{1, 1}));
}

// The clocks at the start of a cycle.
struct Timers : OnWindow {
    void at(double seconds) {
        rig.clock.seconds = seconds;
        TIMERS(f);
    }
};

// The counters give way to the COM TIMEOUT warning after more than five seconds
// without text, and come back with text unless everything is hidden.
TEST_F(Timers, SerialWatchWarnsAfterMoreThanFiveSecondsOfSilence) {
    for (const Integer state : {Integer{0}, Integer{1}, Integer{2}}) {
        SCOPED_TRACE(state);
        const Long last = 36000 + 100 * state; // the clock only goes forward
        f.SHOW_HIDE = state;
        f.COM_TIMEOUT_TIMER = true;
        f.LAST_COM_TIME = last;
        f.Frame_TOP_LEFT.visible = false;
        for (const auto& [after, warned] : {std::pair{5.0, false}, {5.05, true}, {5.1, false}}) {
            if (after > 5.08) rig.serial.deliver("$GPGGA");
            at(last + after);
            EXPECT_EQ((std::pair{f.Label_COM_TIMEOUT.visible, f.Frame_TOP_LEFT.visible}),
                      (std::pair{warned, !warned && state < 2}));
        }
    }
}

// The interval and the fraction are read when the step uses them.
TEST_F(Timers, DecayComesOnTheFirstCycleAtOrAfterItsInterval) {
    f.DECAY_TIMER = true;
    f.DECAY_TIME = 36000;
    rig.settings.decayIntervalTag = "10";
    rig.settings.decayFractionTag = "0.5";
    f.BRG_HIST[90] = 8;
    f.BRG_SUM[88] = 8;
    f.BRG_SUM[90] = f.MAXVECTOR = 16;
    f.NEWAZIMUTH = f.NEWRING = false;
    at(36009.99);
    EXPECT_EQ((std::tuple{f.BRG_HIST[90], f.NEWAZIMUTH}), (std::tuple{8.0f, false}));
    at(36010.2);
    EXPECT_EQ((std::array{f.BRG_HIST[90], f.BRG_SUM[88], f.BRG_SUM[90], f.MAXVECTOR}),
              (std::array<Single, 4>{4, 4, 8, 8}));
    EXPECT_EQ((std::tuple{f.DECAY_TIME, f.NEWAZIMUTH, f.NEWRING}), (std::tuple{36010, true, true}));
    rig.settings.decayIntervalTag = "5";
    rig.settings.decayFractionTag = "0.95";
    at(36015.0);
    EXPECT_FLOAT_EQ(f.BRG_HIST[90], 0.95f * 4);
}

} // namespace
