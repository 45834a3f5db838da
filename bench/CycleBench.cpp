// SPDX-License-Identifier: GPL-3.0-or-later
// One steady display cycle in test mode at a 1920 x 1080 client: the raster
// surface against QPainter drawing the same primitives, in one run.

#include "PainterReplay.h"

#include "core/Executive.h"
#include "core/Numbers.h"
#include "core/form_VECTRIN.h"
#include "display/FormResize.h"
#include "platform/RasterSurface.h"
#include "support/Fakes.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr double DPI = 96;
constexpr int WIDTH_PX = 1920;
constexpr int HEIGHT_PX = 1080;
// About two and a half minutes of test mode: the picture a user sees.
constexpr int WARM_UP_CYCLES = 3000;

enum class Picture { TestMode, Full };

// The main window on fakes, drawing into the given surface.
template <typename Surface> struct Rig {
    FakeSerialPort serial;
    FakeClock clock;
    FakeTimer timer1;
    FakeTimer timerMouseDown;
    Surface& surface;
    OperatingSettings settings;
    form_VECTRIN f{MainWindowPorts{surface, serial, clock, timer1, timerMouseDown}, settings};

    struct Tables {
        std::array<Single, 361> hist, sum;
        Single maxVector;
    } saved{};

    Rig(Surface& s, Picture picture) : surface(s) {
        initialiseDisplayState(f);
        surface.setBackColour(settings.colour(ColourSlot::DisplayBackground));
        Form_Resize(f);
        for (int i = 0; i < WARM_UP_CYCLES; ++i)
            Timer1_Timer(f);
        if (picture == Picture::Full) fillEverySpoke();
        settle();
        saved = {f.BRG_HIST, f.BRG_SUM, f.MAXVECTOR};
    }

    // Every spoke between half and the whole of the radius.
    void fillEverySpoke() {
        for (int i = 1; i <= 360; ++i)
            f.BRG_SUM[i] = static_cast<Single>(150 + 140 * std::sin(i * 0.05));
        f.MAXVECTOR = 290;
    }

    // Cycles until one more bearing at the peak cannot change the ring count,
    // so that every measured cycle is a steady one.
    void settle() {
        auto rings = [](Single peak) { return roundHalfEven(peak / 10); };
        do
            Timer1_Timer(f);
        while (rings(f.MAXVECTOR) != rings(f.MAXVECTOR + 1) || f.NEWAZIMUTH || f.NEWRING);
    }

    // The tables as they were when the rig settled; a cycle then adds one
    // simulated bearing, draws the cursor, the marker and the 360 spokes.
    void steadyCycle() {
        f.BRG_HIST = saved.hist;
        f.BRG_SUM = saved.sum;
        f.MAXVECTOR = saved.maxVector;
        Timer1_Timer(f);
    }
};

void rasterCycle(benchmark::State& state, Picture picture) {
    RasterSurface surface(DPI, WIDTH_PX, HEIGHT_PX);
    Rig<RasterSurface> rig(surface, picture);
    const Integer rings = rig.f.RINGCOUNT;
    for (auto _ : state)
        rig.steadyCycle();
    if (rig.f.RINGCOUNT != rings) state.SkipWithError("the ring count changed: not steady");
}

void painterCycle(benchmark::State& state, Picture picture) {
    RecordingSurface recorder;
    recorder.client = {WIDTH_PX * 15.0f, HEIGHT_PX * 15.0f};
    recorder.window = recorder.client;
    Rig<RecordingSurface> rig(recorder, picture);
    recorder.ops.clear();
    rig.steadyCycle();
    const std::vector<DrawOp> cycle = recorder.ops;
    QImage image(WIDTH_PX, HEIGHT_PX, QImage::Format_RGB32);
    image.fill(Qt::black);
    for (auto _ : state)
        replayWithPainter(cycle, image, 1440 / DPI);
    state.counters["ops"] = static_cast<double>(cycle.size());
}

void BM_SteadyCycle_Raster_TestMode(benchmark::State& s) {
    rasterCycle(s, Picture::TestMode);
}
void BM_SteadyCycle_QPainter_TestMode(benchmark::State& s) {
    painterCycle(s, Picture::TestMode);
}
void BM_SteadyCycle_Raster_Full(benchmark::State& s) {
    rasterCycle(s, Picture::Full);
}
void BM_SteadyCycle_QPainter_Full(benchmark::State& s) {
    painterCycle(s, Picture::Full);
}

// A cycle that repaints the disk, scale, labels and rings as well (a ring
// count change, decay, a heading step), with as many rings as the argument:
// test mode left running adds about one ring every three seconds.
void BM_RedrawCycle_Raster(benchmark::State& state) {
    RasterSurface surface(DPI, WIDTH_PX, HEIGHT_PX);
    Rig<RasterSurface> rig(surface, Picture::TestMode);
    rig.f.RINGCOUNT = static_cast<Integer>(state.range(0));
    for (auto _ : state) {
        rig.f.NEWAZIMUTH = true;
        rig.f.NEWRING = true;
        rig.steadyCycle();
    }
}

BENCHMARK(BM_SteadyCycle_Raster_TestMode)->Unit(benchmark::kMicrosecond)->Repetitions(9);
BENCHMARK(BM_SteadyCycle_QPainter_TestMode)->Unit(benchmark::kMicrosecond)->Repetitions(9);
BENCHMARK(BM_SteadyCycle_Raster_Full)->Unit(benchmark::kMicrosecond)->Repetitions(9);
BENCHMARK(BM_SteadyCycle_QPainter_Full)->Unit(benchmark::kMicrosecond)->Repetitions(9);
BENCHMARK(BM_RedrawCycle_Raster)->Unit(benchmark::kMillisecond)->Arg(10)->Arg(100)->Arg(1000);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts for the labels
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
