// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/BearingLog.h"
#include "core/Captions.h"
#include "core/Executive.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct FakeLineSink : LineSink {
    void append(std::string line) override { lines.push_back(std::move(line)); }
    std::vector<std::string> lines;
};

// Only DF bearings are logged, each once, with the position of a fix at most
// 10 s old; simulated ones are not.
TEST(BearingLog, EveryDfBearingTakenInIsOneLineWithTheFreshPosition) {
    TestRig rig;
    PositionReader positions;
    FakeLineSink sink;
    BearingLog log{sink, positions, [](double at) { return std::to_string(at); }};
    rig.f.bearingListener = &log;
    for (int i = 0; i < 3; ++i)
        rig.timer1.fire();
    rig.f.SIMULATE_TIMER = false;
    rig.f.CmdButton_TEST.caption = TEST_OFF;
    rig.f.HEADING = 179;
    rig.clock.seconds = 36000.25;
    positions.feed("$GNRMC,091503.000,A,4813.0509,N,00824.8699,E,6.56,175.87,101015,,,A,V*0B",
                   36000);
    rig.serial.deliver("%045");
    rig.serial.deliver("%046");
    EXECUTIVE(rig.f);
    rig.timer1.fire();
    rig.settings.headingSource = "GPS";
    rig.clock.seconds = 36010.5;
    rig.serial.deliver("%4.5");
    EXPECT_EQ(sink.lines,
              (std::vector<std::string>{"36000.250000,10:00:00.250,45,224,179,MANUAL,"
                                        "2015-10-10T09:15:03.000Z,48.217515,8.414498",
                                        "36010.500000,10:00:10.500,4.5,184,179,GPS,,,"}));
}

} // namespace
