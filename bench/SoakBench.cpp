// SPDX-License-Identifier: GPL-3.0-or-later
// Eight hours of test mode in fake time on the real raster surface at a
// 1920 x 1080 client, every 50 ms cycle run as the timer would run it. The
// ring count grows all the while; the cost of a cycle, ring changes included,
// must not grow with it. Reports the CPU time per cycle over the first minute,
// the first hour's last minute and the last minute.

#include "BenchWindow.h"

#include "platform/RasterSurface.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <vector>

namespace {

constexpr double TICK_SECONDS = 0.05;
constexpr int CYCLES_PER_MINUTE = 1200;
constexpr int MINUTES_PER_HOUR = 60;

double threadCpuSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Microseconds of CPU per cycle in each minute, and the ring count at the end.
struct Soak {
    std::vector<double> microsecondsPerCycle;
    Integer rings = 0;
};

Soak soak(int hours) {
    RasterSurface surface(BENCH_DPI, BENCH_WIDTH_PX, BENCH_HEIGHT_PX);
    BenchWindow<RasterSurface> window(surface);
    Soak result;
    for (int minute = 0; minute < hours * MINUTES_PER_HOUR; ++minute) {
        const double start = threadCpuSeconds();
        for (int cycle = 0; cycle < CYCLES_PER_MINUTE; ++cycle) {
            window.clock.seconds += TICK_SECONDS;
            window.timer1.fire();
        }
        result.microsecondsPerCycle.push_back((threadCpuSeconds() - start) * 1e6 /
                                              CYCLES_PER_MINUTE);
    }
    result.rings = window.f.RINGCOUNT;
    return result;
}

void BM_Soak(benchmark::State& state) {
    const auto hours = static_cast<int>(state.range(0));
    Soak result;
    for (auto _ : state)
        result = soak(hours);
    const std::vector<double>& perCycle = result.microsecondsPerCycle;
    state.counters["minute1_us"] = perCycle.front();
    state.counters["hour1_us"] = perCycle[MINUTES_PER_HOUR - 1];
    state.counters["last_minute_us"] = perCycle.back();
    state.counters["growth"] = perCycle.back() / perCycle.front();
    state.counters["rings"] = result.rings;
}

BENCHMARK(BM_Soak)->Arg(8)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
