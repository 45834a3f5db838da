// SPDX-License-Identifier: GPL-3.0-or-later
// The range rings alone at 1920 x 1080, as many as the argument: drawn at once
// on a fresh surface (the first ring change at that count after start-up,
// before any outline is read), and by QPainter one circle at a time, as the
// surface drew them before.

#include "BenchWindow.h"

#include "platform/CircleOutlines.h"
#include "platform/RasterSurface.h"

#include <QPainter>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// The display's centre and radius at this size (twips), as the resize sets them.
constexpr Single CENTRE_X = BENCH_WIDTH_PX * 15 / 2.0f;
constexpr Single CENTRE_Y = BENCH_HEIGHT_PX * 15 / 2.0f + 250;
constexpr Single RADIUS = BENCH_HEIGHT_PX * 15 * 0.4f;

// The radii of the inner rings, as the range rings work them out.
std::vector<Single> ringRadii(int rings) {
    const Single spacing = RADIUS / static_cast<Single>(rings);
    std::vector<Single> radii;
    for (Single i = 1; i <= static_cast<Single>(rings - 1); ++i)
        radii.push_back(i * spacing);
    return radii;
}

void BM_Rings_FirstTime(benchmark::State& state) {
    const std::vector<Single> radii = ringRadii(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        RasterSurface surface(BENCH_DPI, BENCH_WIDTH_PX, BENCH_HEIGHT_PX);
        surface.pen.lineWidth = 2;
        state.ResumeTiming();
        surface.concentricCircles(CENTRE_X, CENTRE_Y, radii);
    }
}

void BM_Rings_QPainterOneByOne(benchmark::State& state) {
    const std::vector<Single> radii = ringRadii(static_cast<int>(state.range(0)));
    RasterSurface surface(BENCH_DPI, BENCH_WIDTH_PX, BENCH_HEIGHT_PX);
    QImage image = surface.image().copy();
    const QPoint centre = surface.toPixel(CENTRE_X, CENTRE_Y);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(outlinePen(Qt::red, 2));
        for (const Single radius : radii) {
            const int r = surface.toPixel(radius);
            painter.drawEllipse(centre, r, r);
        }
    }
}

BENCHMARK(BM_Rings_FirstTime)->Unit(benchmark::kMillisecond)->Apply(ringCounts);
BENCHMARK(BM_Rings_QPainterOneByOne)->Unit(benchmark::kMillisecond)->Apply(ringCounts);

} // namespace
