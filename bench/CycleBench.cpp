// SPDX-License-Identifier: GPL-3.0-or-later
// One steady display cycle in test mode at a 1920 x 1080 client: the raster
// surface against QPainter drawing the same primitives, in one run.

#include "BenchWindow.h"
#include "PainterReplay.h"

#include "core/Executive.h"
#include "core/Numbers.h"
#include "core/form_VECTRIN.h"
#include "platform/RasterSurface.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr double DPI = BENCH_DPI;
constexpr int WIDTH_PX = BENCH_WIDTH_PX;
constexpr int HEIGHT_PX = BENCH_HEIGHT_PX;
// About two and a half minutes of test mode: the picture a user sees.
constexpr int WARM_UP_CYCLES = 3000;

enum class Picture { TestMode, Full };

// The main window on fakes, drawing into the given surface, with the tables
// of a settled picture to start each measured cycle from.
template <typename Surface> struct Rig : BenchWindow<Surface> {
    using BenchWindow<Surface>::f;

    struct Tables {
        std::array<Single, 361> hist, sum;
        Single maxVector;
    } saved{};

    Rig(Surface& s, Picture picture) : BenchWindow<Surface>(s) {
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

// The test-mode picture scaled up until its peak asks for `rings` rings, as
// after a long session: the spokes keep their lengths on the screen.
void scaleToRings(Rig<RasterSurface>& rig, Integer rings) {
    const Single peak = 10.0f * static_cast<Single>(rings - 1);
    const Single factor = peak / rig.saved.maxVector;
    for (int d = 1; d <= 360; ++d) {
        rig.saved.hist[d] *= factor;
        rig.saved.sum[d] *= factor;
    }
    rig.saved.maxVector = peak;
    rig.steadyCycle();
}

// A cycle whose peak moved the ring count: the disk, scale, labels and all
// rings are repainted and the spokes drawn afresh.
void BM_RingChange(benchmark::State& state) {
    RasterSurface surface(DPI, WIDTH_PX, HEIGHT_PX);
    Rig<RasterSurface> rig(surface, Picture::TestMode);
    const auto rings = static_cast<Integer>(state.range(0));
    scaleToRings(rig, rings);
    for (auto _ : state) {
        rig.f.OLDRINGCOUNT = 0;
        rig.steadyCycle();
    }
    if (rig.f.RINGCOUNT != rings) state.SkipWithError("not the asked ring count");
}

// A steady cycle (one bearing, cursor, marker, spokes) under as many rings.
void BM_SteadyCycle_Rings(benchmark::State& state) {
    RasterSurface surface(DPI, WIDTH_PX, HEIGHT_PX);
    Rig<RasterSurface> rig(surface, Picture::TestMode);
    const auto rings = static_cast<Integer>(state.range(0));
    scaleToRings(rig, rings);
    for (auto _ : state)
        rig.steadyCycle();
    if (rig.f.RINGCOUNT != rings) state.SkipWithError("not the asked ring count");
}

BENCHMARK(BM_SteadyCycle_Raster_TestMode)->Unit(benchmark::kMicrosecond)->Repetitions(9);
BENCHMARK(BM_SteadyCycle_QPainter_TestMode)->Unit(benchmark::kMicrosecond)->Repetitions(9);
BENCHMARK(BM_SteadyCycle_Raster_Full)->Unit(benchmark::kMicrosecond)->Repetitions(9);
BENCHMARK(BM_SteadyCycle_QPainter_Full)->Unit(benchmark::kMicrosecond)->Repetitions(9);
BENCHMARK(BM_RingChange)->Unit(benchmark::kMillisecond)->Apply(ringCounts);
BENCHMARK(BM_SteadyCycle_Rings)->Unit(benchmark::kMicrosecond)->Apply(ringCounts);

} // namespace
