// SPDX-License-Identifier: GPL-3.0-or-later
// The cycle of one DF bearing at a 1920 x 1080 client, without the bearing log
// and with it, side by side; and the log's own share, one bearing handed to it.
// Each iteration puts a DF message on the line behind a slice of a real
// receiver's sentences, the receive handler runs the cycle that takes it in,
// and the next tick ends the lock-out. The log file is /dev/null: the disk is
// written on the log's own thread, never in the cycle.

#include "core/Captions.h"
#include "core/Executive.h"
#include "core/Summing.h"
#include "core/form_VECTRIN.h"
#include "display/FormResize.h"
#include "platform/RasterSurface.h"
#include "session/BackgroundFile.h"
#include "session/BearingLog.h"
#include "session/BearingLogFormat.h"
#include "session/PositionTap.h"
#include "support/Fakes.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

constexpr double DPI = 96;
constexpr int WIDTH_PX = 1920;
constexpr int HEIGHT_PX = 1080;
// About 20 characters of GPS text come with each bearing at 20 bearings a
// second on a 4800-baud line.
constexpr std::size_t GPS_PER_BEARING = 24;

std::string captured() {
    std::ifstream in(std::string(VECTRIN_NMEA_CAPTURES) + "/nl2008u.log", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Rig {
    FakeSerialPort line;
    FakeClock clock;
    FakeTimer timer1;
    FakeTimer timerMouseDown;
    RasterSurface surface{DPI, WIDTH_PX, HEIGHT_PX};
    OperatingSettings settings;
    PositionReader positions;
    PositionTap tap{line, positions, clock};
    std::ostringstream notes;
    BackgroundFile file{"/dev/null", std::string(BEARING_LOG_HEADER), notes};
    BearingLog log{file, positions, [](double) { return std::string("2015-10-10"); }};
    form_VECTRIN f;
    const std::string gps = captured();
    std::size_t at = 0;
    decltype(form_VECTRIN::BRG_HIST) hist{};
    decltype(form_VECTRIN::BRG_SUM) sum{};
    Single maxVector = 0;

    explicit Rig(bool logged)
        : f(MainWindowPorts{surface, logged ? static_cast<SerialPort&>(tap) : line, clock, timer1,
                            timerMouseDown},
            settings) {
        initialiseDisplayState(f);
        if (logged) f.bearingListener = &log;
        f.SIMULATE_TIMER = false;
        f.CmdButton_TEST.caption = TEST_OFF;
        surface.setBackColour(settings.colour(ColourSlot::DisplayBackground));
        Form_Resize(f);
        // A picture whose peak, 42, keeps its ring count with one more bearing.
        for (int d = 1; d <= 360; ++d)
            f.BRG_HIST[d] = static_cast<Single>(d % 7 == 0 ? 8 : 1);
        f.NEWSECTOR = true;
        cycle();
        cycle();
        hist = f.BRG_HIST;
        sum = f.BRG_SUM;
        maxVector = f.MAXVECTOR;
    }

    void cycle() {
        f.BRG_HIST = hist;
        f.BRG_SUM = sum;
        if (maxVector > 0) f.MAXVECTOR = maxVector;
        if (at + GPS_PER_BEARING > gps.size()) at = 0;
        clock.seconds += 0.05;
        line.deliver(gps.substr(at, GPS_PER_BEARING) + "%123");
        at += GPS_PER_BEARING;
        timer1.fire();
    }
};

void BM_BearingCycle(benchmark::State& state, bool logged) {
    Rig rig(logged);
    const Integer rings = rig.f.RINGCOUNT;
    const auto count = rig.f.INCOUNT;
    for (auto _ : state)
        rig.cycle();
    if (rig.f.RINGCOUNT != rings) state.SkipWithError("the ring count changed: not steady");
    if (rig.f.INCOUNT - count != static_cast<long>(state.iterations()))
        state.SkipWithError("a bearing was not taken in");
    if (!rig.notes.str().empty()) state.SkipWithError(rig.notes.str().c_str());
}

// The log's share of a cycle: the position looked up, the line made and handed
// to the writing thread.
void BM_LogOneBearing(benchmark::State& state) {
    PositionReader positions;
    positions.feed(captured(), 100);
    std::ostringstream notes;
    BackgroundFile file{"/dev/null", "", notes};
    BearingLog log{file, positions, [](double) { return std::string("2015-10-10"); }};
    for (auto _ : state)
        log.bearingTakenIn({100.25, 45, 224, 179, "GPS"});
}

BENCHMARK_CAPTURE(BM_BearingCycle, WithoutLog, false)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9);
BENCHMARK_CAPTURE(BM_BearingCycle, WithLog, true)->Unit(benchmark::kMicrosecond)->Repetitions(9);
BENCHMARK(BM_LogOneBearing)->Unit(benchmark::kMicrosecond)->Repetitions(9);

} // namespace
