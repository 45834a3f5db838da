// SPDX-License-Identifier: GPL-3.0-or-later
// What recording costs the cycle, side by side with the same cycle unrecorded,
// and how long a ten-minute session takes to replay when nothing paces it.

#include "commands/AcquisitionCommands.h"
#include "core/Executive.h"
#include "core/form_VECTRIN.h"
#include "display/FormResize.h"
#include "platform/RasterSurface.h"
#include "session/ReplayPort.h"
#include "session/ReplayTime.h"
#include "session/SessionRecorder.h"
#include "support/Fakes.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

namespace {

namespace fs = std::filesystem;

constexpr double DPI = 96;
constexpr int WIDTH_PX = 1920;
constexpr int HEIGHT_PX = 1080;

class SteadySessionClock : public SessionClock {
public:
    std::int64_t steadyMilliseconds() const override { return ms += 25; }
    std::string localDateTime() const override { return "2026-12-06 10:00:00.000"; }
    mutable std::int64_t ms = 0;
};

// A recorder on a fake port, writing into a folder of its own.
struct Recording {
    explicit Recording(const char* name) : folder(fs::temp_directory_path() / name) {}
    ~Recording() {
        recorder.close();
        writer.flush();
        fs::remove_all(folder);
    }
    fs::path folder;
    std::ostringstream notes;
    FakeSerialPort fake;
    SteadySessionClock sessionClock;
    SessionWriter writer{folder, 1u << 30, notes};
    SessionRecorder recorder{fake, sessionClock, writer};
};

// A DF message arrives through the port and starts a cycle; the next tick ends
// the lock-out and runs another. The tables are put back each time, so every
// cycle draws the same picture.
void dfCycles(benchmark::State& state, bool recorded) {
    Recording recording("vectrin-session-bench");
    FakeSerialPort& fake = recording.fake;
    FakeClock clock;
    FakeTimer timer1, timerMouseDown;
    RasterSurface surface(DPI, WIDTH_PX, HEIGHT_PX);
    OperatingSettings settings;
    form_VECTRIN f{MainWindowPorts{surface,
                                   recorded ? static_cast<SerialPort&>(recording.recorder) : fake,
                                   clock, timer1, timerMouseDown},
                   settings};
    initialiseDisplayState(f);
    Form_Resize(f);
    CmdButton_TEST_Click(f); // DF data from the port
    f.MSComm1.setReceiveHandler([&f] { MSComm1_OnComm(f); });
    for (int i = 0; i < 3; ++i) {
        fake.deliver("%045\r\n");
        Timer1_Timer(f);
    }
    const auto hist = f.BRG_HIST;
    const auto sum = f.BRG_SUM;
    const Single peak = f.MAXVECTOR;
    for (auto _ : state) {
        fake.deliver("%045\r\n$GPRMC,100000,A,4807.038,N,01131.000,E,0.0,0.0,061226,,,A*6A\r\n");
        Timer1_Timer(f);
        f.BRG_HIST = hist;
        f.BRG_SUM = sum;
        f.MAXVECTOR = peak;
        clock.seconds += 0.05;
    }
    f.MSComm1.close();
    recording.writer.flush();
    if (!recording.notes.str().empty()) state.SkipWithError(recording.notes.str().c_str());
}

void BM_DfCycle_Unrecorded(benchmark::State& s) {
    dfCycles(s, false);
}
void BM_DfCycle_Recorded(benchmark::State& s) {
    dfCycles(s, true);
}

// The recorder's own share of a cycle: one read of a DF message and a GPS
// sentence, stamped and handed to the writer's thread.
void BM_RecordOneRead(benchmark::State& state) {
    Recording recording("vectrin-session-bench-read");
    recording.recorder.open();
    for (auto _ : state) {
        recording.fake.pending =
            "%045\r\n$GPRMC,100000,A,4807.038,N,01131.000,E,0.0,0.0,061226,,,A*6A\r\n";
        benchmark::DoNotOptimize(recording.recorder.readAll());
    }
}

// Ten minutes of a DF unit at two bearings a second and a GPS at one fix a
// second, replayed flat out through the cycle at 1920 x 1080: --speed 100
// keeps pace while this takes less than six seconds.
void BM_ReplayTenMinutes_Unpaced(benchmark::State& state) {
    std::string file = sessionHeader("2026-12-06 10:00:00.000");
    for (std::int64_t ms = 0; ms < 600'000; ms += 500)
        file += sessionRecordLine(ms, ms % 1000 ? "%" + std::to_string(100 + ms % 97) + "\r\n"
                                                : "$GPRMC,100000,A,4807.038,N,01131.000,E,"
                                                  "022.4,084.4,061226,,,A*6A\r\n%123\r\n");
    file += sessionEndLine(600'000);
    const Session session = readSession(file);
    for (auto _ : state) {
        ReplayTimeline timeline;
        ReplayTimer timer1{timeline}, timerMouseDown{timeline};
        bool ended = false;
        ReplayPort port(timeline, session, [&](const std::string&) { ended = true; });
        ReplayClock clock(timeline, 36000, [](double) { return std::string("10:00:00"); });
        RasterSurface surface(DPI, WIDTH_PX, HEIGHT_PX);
        OperatingSettings settings;
        form_VECTRIN f{MainWindowPorts{surface, port, clock, timer1, timerMouseDown}, settings};
        initialiseDisplayState(f);
        Form_Resize(f);
        CmdButton_TEST_Click(f);
        f.MSComm1.setReceiveHandler([&f] { MSComm1_OnComm(f); });
        while (!ended)
            timeline.runNext();
        state.counters["bearings"] = f.INCOUNT;
    }
}

BENCHMARK(BM_DfCycle_Unrecorded)->Unit(benchmark::kMicrosecond)->Repetitions(9);
BENCHMARK(BM_DfCycle_Recorded)->Unit(benchmark::kMicrosecond)->Repetitions(9);
BENCHMARK(BM_RecordOneRead)->Unit(benchmark::kNanosecond)->Repetitions(5);
BENCHMARK(BM_ReplayTenMinutes_Unpaced)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts for the labels
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
