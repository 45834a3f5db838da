// SPDX-License-Identifier: GPL-3.0-or-later
// A position or size that is not a finite number draws nothing and changes
// nothing, whichever operation gets it.

#include "platform/RasterSurface.h"

#include <QRegion>

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {

TEST(RasterSurfaceNonFinite, OperationsWithNonFiniteCoordinatesDrawNothing) {
    constexpr Single NaN = std::numeric_limits<Single>::quiet_NaN();
    constexpr Single INF = std::numeric_limits<Single>::infinity();
    using Draw = std::function<void(RasterSurface&, Single)>;
    const Draw draws[] = {
        [](RasterSurface& s, Single v) { s.line(v, 300, 600, 600); },
        [](RasterSurface& s, Single v) { s.line(300, 300, v, 600); },
        [](RasterSurface& s, Single v) { s.circle(1500, v, 300); },
        [](RasterSurface& s, Single v) { s.circle(1500, 1000, v); },
        [](RasterSurface& s, Single v) {
            s.pen.lineWidth = 2;
            s.circle(v, 1000, 300);
        },
        [](RasterSurface& s, Single v) {
            s.pen.textX = v;
            s.print("N");
        },
    };
    int refreshes = 0;
    for (const Draw& draw : draws)
        for (const Single bad : {NaN, INF, -INF}) {
            RasterSurface surface(96, 200, 150);
            surface.setBackColour(0x102030);
            surface.setRefreshHandler([&refreshes](const QRegion&) { ++refreshes; });
            surface.refresh();
            const QImage before = surface.image().copy();
            surface.pen.foreColour = 0x0000FF;
            refreshes = 0;
            draw(surface, bad);
            surface.refresh();
            EXPECT_EQ(surface.image(), before);
            EXPECT_EQ(refreshes, 0);
        }
}

} // namespace
