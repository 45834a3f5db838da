// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Executive.h"
#include "core/form_VECTRIN.h"
#include "display/FormResize.h"
#include "platform/QtColours.h"
#include "platform/RasterSurface.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

namespace {

// The main window drawing into a raster surface at 96 DPI (15 twips per
// pixel), test mode's feed stopped so that only what the test sets is drawn.
struct PixelRig {
    explicit PixelRig(int widthPx = 1920, int heightPx = 1080) : surface(96, widthPx, heightPx) {
        initialiseDisplayState(f);
        f.SIMULATE_TIMER = false;
        f.CURSOR_BEARING = 200;
        surface.setBackColour(settings.colour(ColourSlot::DisplayBackground));
    }
    FakeSerialPort serial;
    FakeClock clock;
    FakeTimer timer1;
    FakeTimer timerMouseDown;
    RasterSurface surface;
    OperatingSettings settings;
    form_VECTRIN f{MainWindowPorts{surface, serial, clock, timer1, timerMouseDown}, settings};

    Colour at(QPoint p) const { return fromRgb(surface.image().pixel(p)); }
    // The pixel `d` pixels from the centre in direction (ux, uy), y down.
    QPoint along(double ux, double uy, double d) const {
        const QPoint c = surface.toPixel(f.CENTERX, f.CENTERY);
        return c +
               QPoint(static_cast<int>(std::lround(ux * d)), static_cast<int>(std::lround(uy * d)));
    }
    double radiusPx() const { return f.AZRADIUS / surface.twipsPerPixel(); }
    // The window is shown with one bearing cell holding the peak `sum`, then
    // one cycle takes it in.
    void show(int degree = 45, Single sum = 30) {
        f.BRG_SUM.fill(0);
        f.BRG_SUM[static_cast<std::size_t>(degree)] = f.MAXVECTOR = sum;
        Form_Resize(f);
        EXECUTIVE(f);
    }
    // The pixels where one of two pictures shows a colour and the other not.
    int differencesIn(ColourSlot slot, const PixelRig& other) const {
        const QRgb c = toRgb(settings.colour(slot));
        int n = 0;
        for (int y = 0; y < surface.image().height(); ++y)
            for (int x = 0; x < surface.image().width(); ++x)
                n += (surface.image().pixel(x, y) == c) != (other.surface.image().pixel(x, y) == c);
        return n;
    }
};

// A spoke of `length` pixels in direction (ux, uy), y down, and nothing of
// it beyond its end or beside it.
void expectSpoke(const PixelRig& rig, double ux, double uy, double length) {
    const Colour vectors = rig.settings.colour(ColourSlot::Vectors);
    for (double d = 2; d <= length - 2; d += 1)
        ASSERT_EQ(rig.at(rig.along(ux, uy, d)), vectors) << "at " << d << " px along";
    for (double d = length + 3; d < rig.radiusPx() - 12; d += 1)
        ASSERT_NE(rig.at(rig.along(ux, uy, d)), vectors) << "at " << d << " px along";
    const QPointF side = QPointF(rig.along(ux, uy, length / 2)) + QPointF(-uy * 3, ux * 3);
    EXPECT_NE(rig.at(side.toPoint()), vectors);
}

// Heading 45: 30 units at bearing 45 on 4 rings make a spoke straight up to
// 0.75 of the radius, the 3 rings cross the left of the centre at quarters,
// and "N" is printed centred 0.91 out, 45 degrees left of up.
TEST(DisplayPixels, SpokeRingsAndNorthSitWhereTheHeadingTurnsThem) {
    PixelRig rig;
    rig.f.HEADING = 45;
    rig.show(45);
    ASSERT_EQ(rig.f.RINGCOUNT, 4);
    expectSpoke(rig, 0, -1, 0.75 * rig.radiusPx());
    std::vector<int> rings;
    for (int d = 1; d < rig.radiusPx() * 0.85; ++d)
        if (rig.at(rig.along(-1, 0, d)) == rig.settings.colour(ColourSlot::RangeRings) &&
            (rings.empty() || d > rings.back() + 2))
            rings.push_back(d);
    ASSERT_EQ(rings.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(rings[i], static_cast<double>(i + 1) * rig.radiusPx() / 4, 1.5);
    const QPoint north = rig.along(-0.7071, -0.7071, 0.91 * rig.radiusPx());
    QRect ink;
    for (int y = north.y() - 16; y <= north.y() + 16; ++y)
        for (int x = north.x() - 16; x <= north.x() + 16; ++x)
            if (rig.at({x, y}) == rig.settings.colour(ColourSlot::AzimuthScale))
                ink |= QRect(x, y, 1, 1);
    EXPECT_NEAR(ink.center().x(), north.x(), 2.5);
    EXPECT_NEAR(ink.center().y(), north.y(), 2.5);
    EXPECT_TRUE(ink.width() >= 8 && ink.height() >= 10) << "a letter's size";
}

// Erasing by overdrawing hits exactly the pixels drawn: a cursor stepped
// round leaves no pixel of its old lines and markers, and a resize leaves
// the picture that a window shown at the new size has.
TEST(DisplayPixels, AMovedCursorAndAResizeLeaveNoTraces) {
    PixelRig moved;
    moved.f.CURSOR_BEARING = 30;
    moved.show();
    for (int step = 31; step <= 40; ++step) {
        moved.f.CURSOR_BEARING = static_cast<Integer>(step);
        EXECUTIVE(moved.f);
    }
    PixelRig fresh;
    fresh.f.CURSOR_BEARING = 40;
    fresh.show();
    const PixelRig blank;
    EXPECT_GT(moved.differencesIn(ColourSlot::Cursor, blank), 100);
    EXPECT_EQ(moved.differencesIn(ColourSlot::Cursor, fresh), 0);
    EXPECT_EQ(moved.differencesIn(ColourSlot::DisplayBackground, fresh), 0);

    moved.surface.resize(1280, 700);
    moved.show();
    PixelRig small(1280, 700);
    small.f.CURSOR_BEARING = 40;
    small.show();
    small.show();
    EXPECT_TRUE(moved.surface.image() == small.surface.image());
}

// The decay step halves the table and repaints the disk; the next cycle
// rescales the rings and the spoke is drawn at its new length alone.
TEST(DisplayPixels, DecayShrinksTheSpokesWithoutTracesOfTheirOldLength) {
    PixelRig rig;
    rig.f.DECAY_TIMER = true;
    rig.f.DECAY_TIME = rig.f.now();
    rig.settings.decayFractionTag = "0.5";
    rig.show(90, 30);
    rig.clock.seconds += 5;
    rig.timer1.fire();
    rig.timer1.fire();
    ASSERT_EQ(rig.f.RINGCOUNT, 3);
    expectSpoke(rig, 1, 0, 15.0 / 30 * rig.radiusPx());
}

} // namespace
