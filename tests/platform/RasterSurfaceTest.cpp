#include "platform/RasterSurface.h"
#include "platform/QtColours.h"
#include "platform/SurfaceHost.h"

#include <QRegion>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr Colour BACK = 0x102030;
constexpr Colour INK = 0x0000FF; // red
constexpr Colour OTHER = 0x00FF00;
constexpr double DPI = 96; // 15 twips per pixel

int countPixels(const RasterSurface& s, Colour colour) {
    int n = 0;
    const QRgb rgb = toRgb(colour);
    for (int y = 0; y < s.image().height(); ++y)
        for (int x = 0; x < s.image().width(); ++x)
            if (s.image().pixel(x, y) == rgb) ++n;
    return n;
}

Colour at(const RasterSurface& s, int x, int y) {
    return fromRgb(s.image().pixel(x, y));
}

// The bounding box of every pixel that is not the back colour.
QRect inkedArea(const RasterSurface& s) {
    QRect area;
    for (int y = 0; y < s.image().height(); ++y)
        for (int x = 0; x < s.image().width(); ++x)
            if (at(s, x, y) != BACK) area |= QRect(x, y, 1, 1);
    return area;
}

struct Surface : ::testing::Test {
    RasterSurface s{DPI, 200, 150};
    void SetUp() override {
        s.setBackColour(BACK);
        s.pen.foreColour = INK;
    }
    void line(Single x1, Single y1, Single dx, Single dy, Colour colour) {
        s.pen.foreColour = colour;
        s.line(x1, y1, dx, dy);
    }
};

TEST(RasterSurfaceMapping, TwipsBecomePixelsAtTheLogicalDpi) {
    RasterSurface s96(96, 100, 100);
    EXPECT_DOUBLE_EQ(s96.twipsPerPixel(), 15.0);
    EXPECT_EQ(s96.toPixel(150, 150), QPoint(10, 10));
    EXPECT_EQ(s96.toPixel(157, 142), QPoint(10, 9)); // nearest pixel
    EXPECT_EQ(s96.toPixel(-15, 0), QPoint(-1, 0));
    RasterSurface s120(120, 100, 100);
    EXPECT_EQ(s120.toPixel(150, 1440), QPoint(13, 120)); // 12 twips per pixel, 12.5 rounds up
    EXPECT_FLOAT_EQ(s120.clientSize().width, 1200);
}

TEST_F(Surface, APointLineSetsExactlyTheMappedPixel) {
    s.line(150, 150, 0, 0);
    EXPECT_EQ(at(s, 10, 10), INK);
    EXPECT_EQ(countPixels(s, INK), 1);
}

TEST_F(Surface, ColoursAreRedInTheLowByte) {
    s.pen.foreColour = 0x00332211;
    s.line(0, 0, 0, 0);
    EXPECT_EQ(s.image().pixel(0, 0), qRgb(0x11, 0x22, 0x33));
}

TEST_F(Surface, ThinLinesIncludeBothEndsAndFollowTheNearestPixels) {
    s.line(0, 150, 60, 0); // pixels (0,10) .. (4,10)
    EXPECT_EQ(countPixels(s, INK), 5);
    for (int x = 0; x <= 4; ++x)
        EXPECT_EQ(at(s, x, 10), INK) << x;
    s.clear();
    s.line(300, 300, 150, -150); // 45 degrees up to the right
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(at(s, 20 + i, 20 - i), INK) << i;
    EXPECT_EQ(countPixels(s, INK), 11);
    s.clear();
    s.line(0, 0, 60, 30); // shallow slope: one pixel per column
    EXPECT_EQ(countPixels(s, INK), 5);
    EXPECT_EQ(at(s, 0, 0), INK);
    EXPECT_EQ(at(s, 4, 2), INK);
}

TEST_F(Surface, ALineDrawnAgainInAnotherColourLeavesNothingOfTheFirst) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> pos(-500, 3500), off(-2500, 2500);
    for (int n = 0; n < 300; ++n) {
        const Single x = pos(rng), y = pos(rng), dx = off(rng), dy = off(rng);
        line(x, y, dx, dy, INK);
        line(x, y, dx, dy, OTHER);
        ASSERT_EQ(countPixels(s, INK), 0) << x << "," << y << " by " << dx << "," << dy;
    }
}

TEST_F(Surface, TheReverseLineSetsTheSamePixels) {
    std::mt19937 rng(11);
    std::uniform_real_distribution<float> pos(0, 2900), off(-1500, 1500);
    for (int n = 0; n < 300; ++n) {
        const Single x = pos(rng), y = pos(rng), dx = off(rng), dy = off(rng);
        line(x, y, dx, dy, INK);
        const int drawn = countPixels(s, INK);
        line(x + dx, y + dy, -dx, -dy, OTHER);
        ASSERT_EQ(countPixels(s, INK), 0);
        ASSERT_EQ(countPixels(s, OTHER), drawn);
        s.clear();
    }
}

TEST_F(Surface, ADottedLineHasGapsAndASolidLineOverItErasesIt) {
    s.pen.lineStyle = LineStyle::Dotted;
    line(0, 750, 1500, 0, INK); // 101 pixels along row 50
    const int dots = countPixels(s, INK);
    EXPECT_GT(dots, 40);
    EXPECT_LT(dots, 70);
    EXPECT_EQ(at(s, 0, 50), INK);
    s.pen.lineStyle = LineStyle::Solid;
    line(0, 750, 1500, 0, BACK);
    EXPECT_EQ(countPixels(s, INK), 0);

    s.pen.lineStyle = LineStyle::Dotted;
    line(1500, 1000, -1234, -876, INK);
    s.pen.lineStyle = LineStyle::Solid;
    line(1500, 1000, -1234, -876, BACK);
    EXPECT_EQ(countPixels(s, INK), 0);
}

TEST_F(Surface, TheDotPatternDoesNotDependOnTheDirection) {
    s.pen.lineStyle = LineStyle::Dotted;
    line(100, 200, 1700, 900, INK);
    line(1800, 1100, -1700, -900, OTHER);
    EXPECT_EQ(countPixels(s, INK), 0);
}

TEST(RasterSurfaceClipping, LinesReachingOutsideSetTheSamePixelsAsOnALargerBuffer) {
    RasterSurface small(DPI, 60, 40);
    RasterSurface large(DPI, 400, 300);
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> pos(-3000, 6000), off(-9000, 9000);
    for (int style = 0; style < 2; ++style) {
        for (RasterSurface* s : {&small, &large}) {
            s->pen.lineStyle = style ? LineStyle::Dotted : LineStyle::Solid;
            s->pen.foreColour = INK;
        }
        for (int n = 0; n < 400; ++n) {
            const Single x = pos(rng), y = pos(rng), dx = off(rng), dy = off(rng);
            small.clear();
            large.clear();
            small.line(x, y, dx, dy);
            large.line(x, y, dx, dy);
            ASSERT_EQ(small.image(), large.image().copy(0, 0, 60, 40))
                << x << "," << y << " by " << dx << "," << dy;
        }
    }
}

TEST_F(Surface, HugeCoordinatesAreHarmless) {
    s.line(-1e30f, -1e30f, 2e30f, 2e30f);
    s.line(1e9f, 5, -2e9f, 0);
    s.line(std::numeric_limits<float>::max(), 0, 0, 0);
    EXPECT_GT(countPixels(s, INK), 0);
}

TEST_F(Surface, WideLinesAreSolidAndErasedByTheSameLine) {
    s.pen.lineWidth = 2;
    s.pen.lineStyle = LineStyle::Dotted;
    line(300, 300, 1200, 450, INK);
    EXPECT_GT(countPixels(s, INK), 2 * 80);
    line(300, 300, 1200, 450, BACK);
    EXPECT_EQ(countPixels(s, INK), 0);
}

TEST_F(Surface, ACircleOutlineLeavesTheInsideAndAFilledCircleFillsIt) {
    s.circle(1500, 1125, 600); // centre (100, 75), radius 40 pixels
    EXPECT_EQ(at(s, 100, 75), BACK);
    EXPECT_EQ(at(s, 140, 75), INK);
    EXPECT_EQ(at(s, 60, 75), INK);
    EXPECT_EQ(at(s, 100, 35), INK);
    EXPECT_EQ(at(s, 100, 115), INK);
    EXPECT_EQ(inkedArea(s), QRect(60, 35, 81, 81));

    s.pen.fillStyle = FillStyle::Solid;
    s.pen.fillColour = OTHER;
    s.circle(1500, 1125, 600);
    EXPECT_EQ(at(s, 100, 75), OTHER);
    EXPECT_EQ(at(s, 139, 75), OTHER);
    EXPECT_EQ(at(s, 140, 75), INK);
    EXPECT_EQ(at(s, 141, 75), BACK);
    EXPECT_EQ(at(s, 130, 105), BACK); // outside the disk, inside its box
}

TEST_F(Surface, ACircleDrawnAgainInTheBackColourErasesItsOutline) {
    std::mt19937 rng(13);
    std::uniform_real_distribution<float> pos(-300, 3300), radius(0, 2500);
    for (int n = 0; n < 200; ++n) {
        const Single x = pos(rng), y = pos(rng);
        // The markers' radii among them, some circles reaching past the edges.
        const Single r = n % 4 == 0 ? 50 : n % 4 == 1 ? 75 : radius(rng);
        for (const int width : {1, 2}) {
            s.pen.lineWidth = width;
            s.pen.foreColour = INK;
            s.circle(x, y, r);
            s.pen.foreColour = BACK;
            s.circle(x, y, r);
            ASSERT_EQ(countPixels(s, INK), 0) << x << "," << y << " r " << r << " width " << width;
        }
    }
}

// The thin outline: every pixel within half a pixel of the true circle, a
// closed ring (the inside cannot be left without crossing it), reaching the
// radius on all four sides.
TEST(RasterSurfaceCircle, AThinOutlineIsAClosedRingOnTheCircle) {
    for (int r = 0; r <= 60; ++r) {
        SCOPED_TRACE(r);
        RasterSurface s(DPI, 140, 140);
        s.setBackColour(BACK);
        s.pen.foreColour = INK;
        s.circle(70 * 15, 70 * 15, static_cast<Single>(r * 15));
        for (int y = 0; y < 140; ++y)
            for (int x = 0; x < 140; ++x)
                if (at(s, x, y) == INK) {
                    ASSERT_LE(std::abs(std::hypot(x - 70, y - 70) - r), 0.5) << x << "," << y;
                }
        EXPECT_EQ(inkedArea(s), QRect(70 - r, 70 - r, 2 * r + 1, 2 * r + 1));
        if (r < 2) continue;
        std::vector<QPoint> open{QPoint(70, 70)};
        std::set<std::pair<int, int>> seen{{70, 70}};
        while (!open.empty()) {
            const QPoint p = open.back();
            open.pop_back();
            ASSERT_TRUE(std::abs(p.x() - 70) < r && std::abs(p.y() - 70) < r)
                << "leaked at " << p.x() << "," << p.y();
            for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                const QPoint q = p + step;
                if (at(s, q.x(), q.y()) == BACK && seen.insert({q.x(), q.y()}).second)
                    open.push_back(q);
            }
        }
    }
}

TEST_F(Surface, ClearAndBackColourPaintEveryPixel) {
    s.line(0, 0, 2000, 2000);
    s.clear();
    EXPECT_EQ(countPixels(s, BACK), 200 * 150);
    s.setBackColour(OTHER);
    EXPECT_EQ(s.backColour(), OTHER);
    EXPECT_EQ(countPixels(s, OTHER), 200 * 150);
}

TEST_F(Surface, PrintDrawsTextFromTheTopLeftCornerWithoutBackground) {
    s.pen.font = Font{"arial", 12, true, false};
    s.pen.textX = 300;
    s.pen.textY = 450;
    s.print("N");
    const QRect inked = inkedArea(s);
    ASSERT_FALSE(inked.isEmpty());
    EXPECT_GE(inked.left(), 20);
    EXPECT_GE(inked.top(), 30);
    EXPECT_LE(inked.left(), 22);
    EXPECT_LE(inked.top(), 36);    // cap height sits a little below the line top
    EXPECT_GE(inked.height(), 10); // 12 pt at 96 DPI is a 16-pixel em
    EXPECT_LE(inked.height(), 14);
    EXPECT_EQ(countPixels(s, INK) + countPixels(s, BACK), 200 * 150); // no antialiasing
}

// The surface with a refresh handler that keeps what each refresh reported.
struct Refreshing : Surface {
    std::vector<QRegion> reports;
    void SetUp() override {
        Surface::SetUp();
        s.setRefreshHandler([this](const QRegion& r) { reports.push_back(r); });
        s.refresh(); // the initial fill
        reports.clear();
    }
    // Refreshes and returns what was reported: empty when nothing was.
    QRegion refreshed() {
        const std::size_t before = reports.size();
        s.refresh();
        return reports.size() > before ? reports.back() : QRegion();
    }
};

int pixelCount(const QRegion& region) {
    int n = 0;
    for (const QRect& r : region)
        n += r.width() * r.height();
    return n;
}

TEST_F(Refreshing, TheFirstRefreshReportsTheWholeBufferAndAQuietOneNothing) {
    RasterSurface fresh(DPI, 200, 150);
    std::vector<QRegion> got;
    fresh.setRefreshHandler([&](const QRegion& r) { got.push_back(r); });
    fresh.refresh();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0], QRegion(0, 0, 200, 150));
    fresh.refresh();
    EXPECT_EQ(got.size(), 1u);
}

TEST_F(Refreshing, RedrawingWhatIsAlreadyThereReportsNoChange) {
    // Elements apart from each other, so that none draws over another.
    auto drawAll = [this] {
        s.pen.lineStyle = LineStyle::Solid;
        line(75, 75, 2175, 525, INK);     // shallow, (5,5) to (150,40)
        line(2850, 150, -300, 1950, INK); // steep, (190,10) to (170,140)
        line(0, 2220, 2985, 0, INK);      // across the whole buffer
        s.pen.lineStyle = LineStyle::Dotted;
        line(150, 900, 1650, 1050, OTHER); // (10,60) to (120,130)
        s.pen.lineStyle = LineStyle::Solid;
        s.pen.foreColour = OTHER;
        s.circle(1500, 1500, 75); // the DF marker
        s.circle(600, 300, 50);   // the cursor marker
    };
    drawAll();
    EXPECT_FALSE(refreshed().isEmpty());
    const QImage before = s.image();
    drawAll();
    EXPECT_TRUE(refreshed().isEmpty());
    EXPECT_EQ(s.image(), before);
}

// Random lines, circles and text over a busy picture: every pixel that differs
// after a refresh from what it was before lies in the reported region.
TEST_F(Refreshing, TheReportedRegionCoversEveryChangedPixel) {
    std::mt19937 rng(5);
    std::uniform_real_distribution<float> pos(-600, 3600), off(-2500, 2500), radius(-200, 1500);
    std::uniform_int_distribution<int> pick(0, 7);
    const Colour colours[] = {INK, OTHER, BACK, 0x808080};
    for (int round = 0; round < 60; ++round) {
        const QImage before = s.image();
        for (int n = 0; n < 8; ++n) {
            s.pen.foreColour = colours[pick(rng) % 4];
            s.pen.fillColour = colours[pick(rng) % 4];
            s.pen.lineWidth = pick(rng) < 6 ? 1 : 2;
            s.pen.lineStyle = pick(rng) % 2 ? LineStyle::Dotted : LineStyle::Solid;
            s.pen.fillStyle = pick(rng) == 0 ? FillStyle::Solid : FillStyle::Transparent;
            const int kind = pick(rng);
            if (kind < 5) {
                s.line(pos(rng), pos(rng), off(rng), off(rng));
            } else if (kind < 7) {
                s.circle(pos(rng), pos(rng), radius(rng));
            } else {
                s.pen.font = Font{"arial", 10, true, false};
                s.pen.textX = pos(rng);
                s.pen.textY = pos(rng);
                s.print("N 123");
            }
        }
        const QRegion region = refreshed();
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                if (before.pixel(x, y) != s.image().pixel(x, y)) {
                    ASSERT_TRUE(region.contains(QPoint(x, y)))
                        << "round " << round << " pixel " << x << "," << y;
                }
    }
}

TEST_F(Refreshing, TwoSmallChangesFarApartReportLittleMoreThanThemselves) {
    // The old and the new place of the DF marker, in opposite corners.
    s.circle(150, 150, 75);
    s.circle(2850, 2100, 75);
    const QRegion region = refreshed();
    EXPECT_TRUE(region.contains(QRect(5, 5, 11, 11)));
    EXPECT_TRUE(region.contains(QRect(185, 135, 11, 11)));
    EXPECT_LE(pixelCount(region), 2 * 11 * 11);
    EXPECT_FALSE(region.contains(QPoint(100, 75)));
}

// A long slanted line changes a chain of small boxes, not its whole box.
TEST_F(Refreshing, ASlantedLineReportsANarrowBandAlongIt) {
    RasterSurface wide(DPI, 1200, 1000);
    QRegion region;
    wide.setRefreshHandler([&](const QRegion& r) { region = r; });
    wide.refresh();
    wide.pen.foreColour = INK;
    wide.line(150, 150, 14000, 13000); // (10,10) to (943,877)
    wide.refresh();
    EXPECT_TRUE(region.contains(QPoint(10, 10)));
    EXPECT_TRUE(region.contains(QPoint(943, 877)));
    EXPECT_LT(pixelCount(region), 934 * 868 / 8);
}

TEST_F(Refreshing, OnlyTheChangedPartOfALineIsReported) {
    line(150, 750, 2700, 0, INK); // row 50, x 10..190
    refreshed();
    line(150, 750, 2700, 0, INK);
    line(1500, 750, 0, 0, OTHER); // one pixel in its middle
    line(150, 750, 2700, 0, INK); // and back
    const QRegion region = refreshed();
    EXPECT_TRUE(region.contains(QPoint(100, 50)));
    EXPECT_LE(pixelCount(region), 2);
}

struct RecordingHost : SurfaceHost {
    QSize outerSize() const override { return {1920, 1080}; }
    void applyWindowState(WindowState state) override { states.push_back(state); }
    std::vector<WindowState> states;
};

TEST_F(Surface, SizesAreTwipsAndTheWindowStateGoesToTheHost) {
    EXPECT_FLOAT_EQ(s.clientSize().width, 3000);
    EXPECT_FLOAT_EQ(s.clientSize().height, 2250);
    EXPECT_FLOAT_EQ(s.windowSize().width, 3000); // no window: the client area
    RecordingHost host;
    s.setHost(&host);
    EXPECT_FLOAT_EQ(s.windowSize().width, 28800);
    EXPECT_FLOAT_EQ(s.windowSize().height, 16200);
    s.setWindowState(WindowState::Normal);
    s.setWindowState(WindowState::Maximized);
    EXPECT_EQ(host.states, (std::vector{WindowState::Normal, WindowState::Maximized}));
}

TEST_F(Surface, ResizeKeepsWhatFitsAndPaintsTheRestInTheBackColour) {
    s.line(150, 150, 0, 0);
    s.line(2250, 1500, 0, 0); // pixel (150, 100), cut off below
    s.resize(120, 300);
    EXPECT_EQ(s.image().size(), QSize(120, 300));
    EXPECT_EQ(at(s, 10, 10), INK);
    EXPECT_EQ(countPixels(s, INK), 1);
    EXPECT_EQ(at(s, 119, 299), BACK);
    EXPECT_FLOAT_EQ(s.clientSize().height, 4500);
}

} // namespace
