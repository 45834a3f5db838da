// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/BearingLog.h"
#include "core/Captions.h"
#include "core/Executive.h"
#include "core/form_VECTRIN.h"
#include "session/PositionTap.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct FakeLineSink : LineSink {
    void append(std::string line) override { lines.push_back(std::move(line)); }
    std::vector<std::string> lines;
};

// The main window as the program wires it for logging: its port reads the
// positions off the line, its DF bearings go to the log.
struct LoggedWindow {
    FakeSerialPort line;
    FakeClock clock;
    FakeTimer timer1;
    FakeTimer timerMouseDown;
    RecordingSurface surface;
    OperatingSettings settings;
    PositionReader positions;
    PositionTap port{line, positions, clock};
    form_VECTRIN f{MainWindowPorts{surface, port, clock, timer1, timerMouseDown}, settings};
    FakeLineSink sink;
    BearingLog log{sink, positions, [](double at) { return std::to_string(at); }};
    LoggedWindow() {
        initialiseDisplayState(f);
        f.bearingListener = &log;
    }
};

const std::string RMC =
    "$GNRMC,091503.000,A,4813.0509,N,00824.8699,E,6.56,175.87,101015,,,A,V*0B\r\n";

// Only DF bearings are logged, each once, with the position of a fix at most
// 10 s old; simulated ones are not.
TEST(BearingLog, EveryDfBearingTakenInIsOneLineWithTheFreshPosition) {
    LoggedWindow w;
    for (int i = 0; i < 3; ++i)
        w.timer1.fire();
    w.f.SIMULATE_TIMER = false;
    w.f.CmdButton_TEST.caption = TEST_OFF;
    w.f.HEADING = 179;
    w.clock.seconds = 36000.25;
    w.line.deliver(RMC + "%045");
    w.line.deliver("%046");
    EXECUTIVE(w.f);
    w.timer1.fire();
    w.settings.headingSource = "GPS";
    w.clock.seconds = 36011.5;
    w.line.deliver("%4.5");
    EXPECT_EQ(w.sink.lines,
              (std::vector<std::string>{
                  "36000.250000,10:00:00.250,45,224,179,MANUAL,2015-10-10T09:15:03.000Z,"
                  "48.217515,8.414498",
                  "36011.500000,10:00:11.500,4.5,184,179,GPS,,,"}));
}

} // namespace
