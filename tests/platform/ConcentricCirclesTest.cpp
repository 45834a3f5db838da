// SPDX-License-Identifier: GPL-3.0-or-later
// Range rings drawn at once from QPainter's outlines set exactly the pixels
// that QPainter sets drawing them one by one, however many there are.

#include "platform/CircleOutlines.h"
#include "platform/QtColours.h"
#include "platform/RasterSurface.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

// Evenly spaced rings, as many as the range rings can be, on the surface and by QPainter one
// circle at a time, on windows where the disk fits and where it is cut off, up
// to the largest radius drawn at once: drawing a run of neighbouring radii as
// one band relies on QPainter's outlines for neighbouring radii leaving no gap.
TEST(ConcentricCircles, RingsDrawnAtOnceSetTheSamePixelsAsQPainterOneByOne) {
    // Window width and height, centre and outer radius, pixels.
    using Case = std::tuple<int, int, QPoint, int>;
    const Case cases[] = {
        {1920, 1080, {960, 557}, 432},    {640, 360, {320, 197}, 144},
        {300, 200, {150, 120}, 400}, // the disk runs off every edge
        {200, 150, {-40, 170}, 260}, // centre outside the window
        {2600, 2200, {1300, 1100}, 1024},
    };
    for (const auto& [width, height, centre, outer] : cases) {
        std::vector<std::vector<Single>> ringSets;
        for (int count : {2, 7, 60, 250, 431, 1000}) {
            std::vector<Single>& radii = ringSets.emplace_back();
            const Single spacing = static_cast<Single>(outer * 15) / static_cast<Single>(count);
            for (Single i = 1; i <= static_cast<Single>(count - 1); ++i)
                radii.push_back(i * spacing);
        }
        for (const std::vector<Single>& radii : ringSets) {
            RasterSurface surface(96, width, height);
            surface.setBackColour(0x102030);
            QImage expected = surface.image().copy();
            surface.pen.foreColour = 0x0000FF;
            surface.pen.lineWidth = 2;
            surface.concentricCircles(static_cast<Single>(centre.x() * 15),
                                      static_cast<Single>(centre.y() * 15), radii);
            QPainter painter(&expected);
            painter.setPen(outlinePen(toQColor(0x0000FF), 2));
            for (const Single radius : radii)
                painter.drawEllipse(centre, surface.toPixel(radius), surface.toPixel(radius));
            painter.end();
            EXPECT_EQ(surface.image(), expected) << width << "x" << height << ", " << radii.size();
        }
    }
}

} // namespace
