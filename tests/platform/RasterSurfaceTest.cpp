#include "platform/RasterSurface.h"
#include "platform/QtColours.h"
#include "platform/SurfaceHost.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
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
    for (const int width : {1, 2}) {
        s.pen.lineWidth = width;
        s.pen.foreColour = INK;
        s.circle(1234, 987, 751);
        s.pen.foreColour = BACK;
        s.circle(1234, 987, 751);
        EXPECT_EQ(countPixels(s, INK), 0) << width;
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

TEST_F(Surface, RefreshReportsTheAreaDrawnSinceTheLastOne) {
    std::vector<QRect> reports;
    s.setRefreshHandler([&](const QRect& r) { reports.push_back(r); });
    s.refresh(); // the initial fill
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], QRect(0, 0, 200, 150));

    s.refresh();
    EXPECT_EQ(reports.size(), 1u); // nothing drawn, nothing reported

    s.line(300, 450, 300, 150);   // (20,30)-(40,40)
    s.line(1500, 1500, -60, -60); // (100,100)-(96,96)
    s.refresh();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_TRUE(reports[1].contains(inkedArea(s)));
    EXPECT_EQ(reports[1], QRect(QPoint(20, 30), QPoint(100, 100)));

    s.circle(1500, 750, 150);
    s.refresh();
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_TRUE(reports[2].contains(QRect(90, 40, 21, 21)));
    EXPECT_LE(reports[2].width(), 27);
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
