// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RasterSurface.h"
#include "platform/QtColours.h"

#include <QRegion>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <tuple>
#include <vector>

namespace {

constexpr Colour BACK = 0x102030;
constexpr Colour INK = 0x0000FF; // red
constexpr Colour OTHER = 0x00FF00;

// A 200 x 150 pixel surface at 96 DPI (15 twips per pixel) that keeps what
// each refresh reported, and the picture as it stood at the last refresh.
struct Surface : ::testing::Test {
    RasterSurface s{96, 200, 150};
    std::vector<QRegion> reports;
    QImage shown;
    void SetUp() override {
        s.setBackColour(BACK);
        s.setRefreshHandler([this](const QRegion& r) { reports.push_back(r); });
        s.refresh();
        shown = s.image().copy();
    }
    Colour at(QPoint p) const { return fromRgb(s.image().pixel(p)); }
    int count(Colour colour) const {
        const auto* pixels = reinterpret_cast<const QRgb*>(s.image().constBits());
        return static_cast<int>(std::count(pixels, pixels + 200 * 150, toRgb(colour)));
    }
    // The surface with its pen in the colour.
    RasterSurface& in(Colour colour) {
        s.pen.foreColour = colour;
        return s;
    }
    // What the next refresh reports; none when it reports nothing. Every pixel
    // changed since the previous refresh must lie in what it reports.
    std::optional<QRegion> refreshed() {
        reports.clear();
        s.refresh();
        const QRegion region = reports.empty() ? QRegion() : reports.back();
        int missed = 0;
        for (int y = 0; y < 150; ++y)
            for (int x = 0; x < 200; ++x)
                missed += shown.pixel(x, y) != s.image().pixel(x, y) && !region.contains({x, y});
        EXPECT_EQ(missed, 0) << "changed pixels left out of the refresh";
        shown = s.image().copy();
        return reports.empty() ? std::nullopt : std::optional(region);
    }
};

TEST_F(Surface, AThinLineSetsTheNearestPixelsIncludingBothEnds) {
    EXPECT_EQ(RasterSurface(120, 1, 1).toPixel(150, 1440), QPoint(13, 120)); // 12.5 rounds up
    const std::tuple<Single, Single, Single, Single, int, QPoint, QPoint> rows[] = {
        {157, 142, 0, 0, 1, {10, 9}, {10, 9}},         // a point, to the nearest pixel
        {-15, 150, 30, 0, 2, {0, 10}, {1, 10}},        // from outside
        {0, 150, 60, 0, 5, {0, 10}, {4, 10}},          // level
        {300, 300, 150, -150, 11, {20, 20}, {30, 10}}, // 45 degrees up
        {0, 0, 60, 30, 5, {0, 0}, {4, 2}},             // shallow: one pixel a column
    };
    for (const auto& [x, y, dx, dy, pixels, first, last] : rows) {
        s.clear();
        in(INK).line(x, y, dx, dy);
        EXPECT_TRUE(count(INK) == pixels && at(first) == INK && at(last) == INK)
            << x << "," << y << " by " << dx << "," << dy;
    }
}

// A line and its reverse set the same pixels, dots included, and a solid
// line over a dotted one erases it. Lines reaching past the edges set the
// pixels that they set on a larger buffer. Wide lines and circles of either
// width, filled or not, drawn again in the back colour leave nothing, not even
// a blended pixel. Each refresh reports every pixel changed.
TEST_F(Surface, OverdrawingEitherWayErasesExactly) {
    RasterSurface large(96, 400, 300);
    large.setBackColour(BACK);
    large.pen.foreColour = INK;
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> pos(-500, 3500), off(-4000, 4000);
    for (int n = 0; n < 400; ++n) {
        const Single x = pos(rng), y = pos(rng), dx = off(rng), dy = off(rng);
        s.pen.lineStyle = large.pen.lineStyle = n % 2 ? LineStyle::Dotted : LineStyle::Solid;
        in(INK).line(x, y, dx, dy);
        const int drawn = count(INK);
        large.clear();
        large.line(x, y, dx, dy);
        ASSERT_EQ(s.image(), large.image().copy(0, 0, 200, 150)) << x << "," << y << " " << dx;
        refreshed();
        in(OTHER).line(x + dx, y + dy, -dx, -dy);
        ASSERT_TRUE(count(INK) == 0 && count(OTHER) == drawn) << x << "," << y << " " << dx;
        s.pen.lineStyle = LineStyle::Solid;
        in(BACK).line(x, y, dx, dy);
        ASSERT_EQ(count(OTHER), 0) << x << "," << y << " by " << dx << "," << dy;

        const auto r = static_cast<Single>(n % 200 * 15); // every radius to 199 px, both widths
        s.pen.lineWidth = 1 + n / 200;
        s.pen.fillStyle = n % 3 ? FillStyle::Transparent : FillStyle::Solid;
        s.pen.fillColour = OTHER;
        in(INK).circle(x, y, r);
        refreshed();
        s.pen.fillColour = BACK;
        in(BACK).circle(x, y, r);
        in(INK).line(x, y, dx, dy);
        refreshed();
        in(BACK).line(x, y, dx, dy);
        ASSERT_EQ(count(BACK), 200 * 150)
            << x << "," << y << " r " << r << " w " << s.pen.lineWidth;
        s.pen.lineWidth = 1;
    }
    s.pen.lineStyle = LineStyle::Dotted;
    in(INK).line(-1e30f, -1e30f, 2e30f, 2e30f); // far beyond any buffer: no overflow, no hang
    in(INK).line(std::numeric_limits<float>::max(), 0, -1e9f, 0);
    EXPECT_EQ(count(INK), 75); // the dotted diagonal: 150 pixels, 3 on and 3 off
    s.clear();
    s.pen.lineWidth = 2; // wide lines are always solid
    in(INK).line(300, 300, 1200, 450);
    EXPECT_GT(count(INK), 2 * 80);
}

// A position or size that is not a finite number (a division by a ring count
// of 0 once gave them) draws nothing, whichever operation gets it.
TEST_F(Surface, OperationsWithNonFiniteCoordinatesDrawNothing) {
    for (const Single bad :
         {std::numeric_limits<Single>::quiet_NaN(), -std::numeric_limits<Single>::infinity()}) {
        in(INK);
        s.line(300, 300, bad, 600);
        s.circle(1500, 1000, bad);
        s.pen.textX = bad;
        s.print("N");
        EXPECT_EQ(std::pair(count(INK), refreshed().has_value()), std::pair(0, false));
    }
}

// Text hangs from its corner: an "N" as the azimuth scale prints it, bold 12
// point with its corner 80 left of and 135 above the point it labels, is
// centred on that point.
TEST_F(Surface, PrintedTextHangsFromItsCorner) {
    s.pen.font = Font{"arial", 12, true, false};
    s.pen.textX = 1500 - 80;
    s.pen.textY = 1125 - 135;
    in(INK).print("N");
    refreshed();
    QRect ink;
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 200; ++x)
            if (at({x, y}) == INK) ink |= QRect(x, y, 1, 1);
    EXPECT_NEAR(ink.center().x(), 100, 2.5);
    EXPECT_NEAR(ink.center().y(), 75, 2.5);
    EXPECT_TRUE(ink.width() >= 8 && ink.height() >= 10) << "a letter's size";
}

// Every pixel of a thin outline lies within half a pixel of the true circle,
// and the outline reaches as far as the radius every way. A solid fill paints
// the disk inside the outline.
TEST_F(Surface, AThinOutlineLiesOnTheCircle) {
    for (int r = 0; r <= 60; ++r) {
        s.clear();
        in(INK).circle(1500, 1125, static_cast<Single>(r * 15)); // centre (100, 75)
        const QImage& image = s.image();
        QRect inked;
        for (int y = 0; y < 150; ++y)
            for (int x = 0; x < 200; ++x)
                if (image.pixel(x, y) == toRgb(INK)) {
                    inked |= QRect(x, y, 1, 1);
                    ASSERT_LE(std::abs(std::hypot(x - 100, y - 75) - r), 0.5) << r;
                }
        EXPECT_EQ(inked, QRect(100 - r, 75 - r, 2 * r + 1, 2 * r + 1)) << r;
    }
    s.clear();
    s.pen.fillColour = OTHER;
    s.pen.fillStyle = FillStyle::Solid;
    in(INK).circle(1500, 1125, 600); // radius 40 pixels
    for (const auto& [x, y, colour] :
         {std::tuple{100, 75, OTHER}, {139, 75, OTHER}, {140, 75, INK}, {130, 105, BACK}})
        EXPECT_EQ(at({x, y}), colour) << x << "," << y;
}

// The first refresh shows everything. The old and the new place of a marker
// in opposite corners each report themselves, a redraw of what is there
// nothing. A new back colour is shown everywhere.
TEST_F(Surface, TheReportedRegionCoversEveryChangedPixelAndLittleMore) {
    EXPECT_EQ(reports, std::vector{QRegion(0, 0, 200, 150)});
    in(INK).circle(150, 150, 75);
    s.circle(2850, 2100, 75);
    EXPECT_EQ(refreshed(), QRegion(5, 5, 11, 11) + QRegion(185, 135, 11, 11));
    s.circle(150, 150, 75);
    EXPECT_FALSE(refreshed().has_value());
    s.setBackColour(OTHER);
    refreshed();
}

} // namespace
