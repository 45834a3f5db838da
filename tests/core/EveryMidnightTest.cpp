// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Timers.h"
#include "support/TestRig.h"

#include <cmath>

namespace {

constexpr double START = 79200; // 22:00 on the first day
constexpr double STEP = 0.1;
constexpr long CYCLES = (3 * 86400 + 7200) * 10; // past three midnights
// The clock is set back 3 s just after the start and on the second afternoon.
double setBack(double t) {
    return (t >= 1.0 ? 3.0 : 0.0) + (t >= 150000.0 ? 3.0 : 0.0);
}

// Three days of a fixed site acquiring from the line: the serial text stops for
// 20 s around every midnight (and GPS sentences with it), decay runs every 10 s.
// Every watch stays right across each midnight and both clocks set back.
TEST(EveryMidnight, KeepsEveryWatchRightForThreeDaysAndAClockSetBack) {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    f.SIMULATE_TIMER = false;
    f.CmdButton_TEST.caption = TEST_OFF;
    f.DF_TIMER = f.COM_TIMEOUT_TIMER = f.DECAY_TIMER = f.GPS_TIMER = true;
    rig.settings.decayIntervalTag = "10";
    rig.settings.decayFractionTag = "0.5";
    f.BRG_HIST[90] = 1;
    double lastText = 0, lastDecay = 0, worstTotal = 0, shortestGap = 1e9, longestGap = 0;
    int watchFaults = 0;
    for (long i = 0; i <= CYCLES; ++i) {
        const double t = static_cast<double>(i) * STEP;
        rig.clock.seconds = std::fmod(START + t - setBack(t), 86400.0);
        if (i == 0) f.DF_TIME = f.LAST_COM_TIME = f.DECAY_TIME = f.GPS_TIME = f.now();
        const double toMidnight = std::remainder(rig.clock.seconds, 86400.0);
        if (i % 40 == 0 && (toMidnight < -2 || toMidnight > 20)) {
            rig.serial.deliver("$GPRMC");
            f.GPS_TIME = f.now(); // as a valid sentence does
            f.Frame_GPS_FAIL.visible = false;
            lastText = t;
        }
        TIMERS(f);
        const double silent = t - lastText;
        watchFaults += (silent > 5.6 && !f.Label_COM_TIMEOUT.visible) +
                       (silent < 4.4 && f.Label_COM_TIMEOUT.visible) +
                       (silent > 10.6 && !f.Frame_GPS_FAIL.visible) +
                       (silent < 9.4 && f.Frame_GPS_FAIL.visible);
        worstTotal = std::max(worstTotal, std::abs(f.ACQTIME - t));
        ASSERT_EQ(f.Label_TOTAL_TIME.caption.find('-'), std::string::npos) << "at " << t;
        // Four digits, then a leading blank from 1000 on.
        EXPECT_TRUE(i != 100 || f.Label_TOTAL_TIME.caption.starts_with("TOTAL TIME : 00"));
        if (f.BRG_HIST[90] != 1) {
            shortestGap = std::min(shortestGap, t - lastDecay);
            longestGap = std::max(longestGap, t - lastDecay);
            lastDecay = t;
            f.BRG_HIST[90] = 1;
        }
    }
    EXPECT_EQ(watchFaults, 0);
    // Counting from rounded seconds runs up to 1.5 s ahead within a second, and
    // each clock set back costs up to a second more.
    EXPECT_LE(worstTotal, 3.0) << "TOTAL TIME off the time acquired";
    EXPECT_EQ(f.Label_TOTAL_TIME.caption.substr(0, 17), "TOTAL TIME :  266");
    EXPECT_GE(shortestGap, 9.0);
    EXPECT_LE(std::max(longestGap, static_cast<double>(CYCLES) * STEP - lastDecay), 11.0);
}

} // namespace
