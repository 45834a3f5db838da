// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/form_VECTRIN.h"
#include "display/FormResize.h"
#include "support/Fakes.h"

#include <benchmark/benchmark.h>

// The client area the benchmarks draw: a 1920 x 1080 screen at 96 DPI.
constexpr double BENCH_DPI = 96;
constexpr int BENCH_WIDTH_PX = 1920;
constexpr int BENCH_HEIGHT_PX = 1080;

// The ring counts the ring benchmarks run at: 216 and 432 rings stand 2 and 1
// pixels apart at 1080p.
inline void ringCounts(benchmark::internal::Benchmark* benchmark) {
    for (const int rings : {10, 100, 216, 432, 1000, 10000})
        benchmark->Arg(rings);
}

// The main window on fakes, started as a fresh installation starts (test
// mode on) and drawn once at the size of the given surface.
template <typename Surface> struct BenchWindow {
    FakeSerialPort serial;
    FakeClock clock;
    FakeTimer timer1;
    FakeTimer timerMouseDown;
    Surface& surface;
    OperatingSettings settings;
    form_VECTRIN f{MainWindowPorts{surface, serial, clock, timer1, timerMouseDown}, settings};

    explicit BenchWindow(Surface& s) : surface(s) {
        initialiseDisplayState(f);
        surface.setBackColour(settings.colour(ColourSlot::DisplayBackground));
        Form_Resize(f);
    }
};
