// SPDX-License-Identifier: GPL-3.0-or-later
// The replay's time: the cycle sees a recorded session as it saw it live,
// the 50 ms lock-out included, and the end of the session is told once.

#include "core/form_VECTRIN.h"
#include "session/ReplayPort.h"
#include "session/ReplayTime.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

namespace {

struct ReplayRig {
    ReplayTimeline timeline;
    ReplayTimer timer1{timeline};
    ReplayTimer timerMouseDown{timeline};
    std::vector<std::string> ends;
    ReplayPort port;
    ReplayClock clock{timeline, 86399.0, [](double s) { return std::to_string(s); }};
    RecordingSurface surface;
    OperatingSettings settings;
    form_VECTRIN f{MainWindowPorts{surface, port, clock, timer1, timerMouseDown}, settings};

    explicit ReplayRig(const std::string& file)
        : port(timeline, readSession(file),
               [this](const std::string& how) { ends.push_back(how); }) {
        port.open();
    }
    void runUntil(std::int64_t ms) {
        while (timeline.nextEvent() && *timeline.nextEvent() <= ms)
            timeline.runNext();
    }
};

TEST(Replay, AMessageWithinOneTickOfTheOneBeforeIsDroppedAsItWasLive) {
    // The tick runs at 50, 100, ... (enabled at 0); a message re-arms nothing.
    ReplayRig rig("VECTRIN SESSION 1\nstart 2026-12-06 23:59:59.000\n"
                  "10 %010\n30 %020\n60 %030\n2040 %040\nend 2500\n");
    rig.runUntil(1000);
    // 20 ms after the first, before the tick: dropped.
    EXPECT_EQ((std::tuple{rig.f.INCOUNT, rig.f.BRG_HIST[20], rig.f.BRG_HIST[30]}),
              (std::tuple<std::int32_t, Single, Single>{2, 0, 1}));
    EXPECT_TRUE(rig.ends.empty());
    rig.runUntil(3000);
    EXPECT_EQ(rig.f.INCOUNT, 3);
    EXPECT_DOUBLE_EQ(rig.clock.secondsSinceMidnight(), 2.0); // past midnight
    EXPECT_EQ(rig.ends, std::vector<std::string>{"finished after 2.500 s"});
}

TEST(Replay, ADamagedSessionPlaysUpToTheDamageAndSaysWhere) {
    ReplayRig rig("VECTRIN SESSION 1\nstart 2026-12-06 10:00:00.000\n"
                  "100 %010\n400 %0\\q0\n700 %030\n");
    rig.port.close(); // a closed port hears nothing
    rig.runUntil(150);
    rig.port.open();
    rig.runUntil(5000);
    EXPECT_EQ(rig.f.INCOUNT, 0);
    EXPECT_EQ(rig.ends, std::vector<std::string>{"stopped after 0.100 s at line 4: not a record"});
    EXPECT_EQ(rig.timeline.nextEvent(), 5050); // the timers go on
}

} // namespace
