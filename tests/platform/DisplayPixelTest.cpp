#include "core/Captions.h"
#include "core/Executive.h"
#include "core/form_VECTRIN.h"
#include "display/FormResize.h"
#include "platform/QtColours.h"
#include "platform/RasterSurface.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

namespace {

constexpr double DPI = 96; // 15 twips per pixel

// The main window drawing into a raster surface of the given pixel size, with
// test mode's feed stopped so that only what the test sets is drawn.
struct PixelRig {
    explicit PixelRig(int widthPx = 1920, int heightPx = 1080) : surface(DPI, widthPx, heightPx) {
        initialiseDisplayState(f);
        f.SIMULATE_TIMER = false;
        f.CURSOR_BEARING = 200;
        surface.setBackColour(colour(ColourSlot::DisplayBackground));
    }

    FakeSerialPort serial;
    FakeClock clock;
    FakeTimer timer1;
    FakeTimer timerMouseDown;
    RasterSurface surface;
    OperatingSettings settings;
    form_VECTRIN f{MainWindowPorts{surface, serial, clock, timer1, timerMouseDown}, settings};

    Colour colour(ColourSlot slot) const { return settings.colour(slot); }
    Colour at(int x, int y) const { return fromRgb(surface.image().pixel(x, y)); }
    Colour at(QPoint p) const { return at(p.x(), p.y()); }
    QPoint centre() const { return surface.toPixel(f.CENTERX, f.CENTERY); }
    double radiusPx() const { return f.AZRADIUS / surface.twipsPerPixel(); }

    // The window is shown, then one cycle takes in what the test set.
    void show() {
        Form_Resize(f);
        EXECUTIVE(f);
    }
    // One bearing cell holding `sum`, the peak of the table.
    void onlyBearing(int degree, Single sum) {
        f.BRG_SUM.fill(0);
        f.BRG_SUM[degree] = sum;
        f.MAXVECTOR = sum;
    }

    // The pixels of one colour.
    std::set<std::pair<int, int>> pixelsIn(Colour c) const {
        std::set<std::pair<int, int>> found;
        const QImage& image = surface.image();
        const QRgb rgb = toRgb(c);
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if (row[x] == rgb) found.insert({x, y});
        }
        return found;
    }
    // The box holding the pixels of one colour within an area.
    QRect inkWithin(const QRect& area, Colour c) const {
        QRect ink;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (at(x, y) == c) ink |= QRect(x, y, 1, 1);
        return ink;
    }
};

// Expects a spoke from the centre of `lengthPx` pixels in direction (ux, uy),
// screen y down, and nothing of it beyond its end.
void expectSpoke(const PixelRig& rig, double ux, double uy, double lengthPx) {
    const Colour vectors = rig.colour(ColourSlot::Vectors);
    const QPoint c = rig.centre();
    auto along = [&](double d) {
        return QPoint(c.x() + static_cast<int>(std::lround(ux * d)),
                      c.y() + static_cast<int>(std::lround(uy * d)));
    };
    for (double d = 2; d <= lengthPx - 2; d += 1)
        ASSERT_EQ(rig.at(along(d)), vectors) << "at " << d << " px along";
    EXPECT_NE(rig.at(along(lengthPx + 3)), vectors);
    const QPoint side(static_cast<int>(std::lround(-uy * 3)),
                      static_cast<int>(std::lround(ux * 3)));
    EXPECT_NE(rig.at(along(lengthPx / 2) + side), vectors);
    EXPECT_NE(rig.at(along(lengthPx / 2) - side), vectors);
}

TEST(DisplayPixels, TheDesignWindowGivesTheDocumentedCircle) {
    PixelRig rig(652, 453); // 9780 x 6795 twips
    rig.show();
    EXPECT_EQ(rig.f.AZRADIUS, 2718.0f);
    EXPECT_EQ(rig.centre(), QPoint(326, 243));
    // The disk's inside at the centre and on the far side of the rim: the
    // scale's 2-pixel circle at 2718 twips = 181.2 pixels.
    EXPECT_EQ(rig.at(326 - 120, 243), rig.colour(ColourSlot::AzimuthBackground));
    EXPECT_EQ(rig.at(326 - 181, 243), rig.colour(ColourSlot::AzimuthScale));
    EXPECT_EQ(rig.at(326 - 190, 243), rig.colour(ColourSlot::DisplayBackground));
}

TEST(DisplayPixels, ASpokePointsAtItsBearingOnTheHeadingUpDisplay) {
    struct Case {
        Integer heading;
        Integer variation;
        bool var;
        int bearing;
        double ux, uy;
    };
    for (const Case& k :
         {Case{0, 0, false, 90, 1, 0}, Case{0, 0, false, 360, 0, -1}, Case{0, 0, false, 270, -1, 0},
          Case{45, 0, false, 45, 0, -1}, Case{90, 0, false, 180, 1, 0},
          Case{0, 10, true, 350, 0, -1}, Case{0, 10, false, 360, 0, -1}}) {
        SCOPED_TRACE(::testing::Message() << "heading " << k.heading << " bearing " << k.bearing);
        PixelRig rig;
        rig.f.HEADING = k.heading;
        rig.f.HEADING_CORRECTION = k.variation;
        rig.f.CmdButton_VAR.caption = k.var ? VAR_ON : VAR_OFF;
        rig.onlyBearing(k.bearing, 30);
        rig.show();
        ASSERT_EQ(rig.f.RINGCOUNT, 4);
        expectSpoke(rig, k.ux, k.uy, 0.75 * rig.radiusPx());
    }
}

TEST(DisplayPixels, NorthIsPrintedAboveTheCentreWithHeadingZeroAndLeftWithNinety) {
    for (const auto& [heading, ux, uy] : {std::tuple{0, 0.0, -1.0}, {90, -1.0, 0.0}}) {
        SCOPED_TRACE(heading);
        PixelRig rig;
        rig.f.HEADING = static_cast<Integer>(heading);
        rig.show();
        // The label point is 0.91 of the radius out; the letter's ink sits
        // centred on it, well inside the ticks.
        const QPoint c = rig.centre();
        const double d = 0.91 * rig.radiusPx();
        const QPoint point(c.x() + static_cast<int>(std::lround(ux * d)),
                           c.y() + static_cast<int>(std::lround(uy * d)));
        const QRect ink = rig.inkWithin(QRect(point - QPoint(16, 16), QSize(33, 33)),
                                        rig.colour(ColourSlot::AzimuthScale));
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_NEAR(ink.center().x(), point.x(), 2.5);
        EXPECT_NEAR(ink.center().y(), point.y(), 2.5);
        EXPECT_GE(ink.width(), 8);
        EXPECT_GE(ink.height(), 10);
        // The top-left corner of its text box is 80 twips left and 135 up.
        const QPoint corner = rig.surface.toPixel(
            static_cast<Single>(rig.f.CENTERX - 80 + 0.91 * rig.f.AZRADIUS * ux),
            static_cast<Single>(rig.f.CENTERY - 135 + 0.91 * rig.f.AZRADIUS * uy));
        EXPECT_GE(ink.left(), corner.x());
        EXPECT_GE(ink.top(), corner.y());
    }
}

TEST(DisplayPixels, RingsDivideTheRadiusIntoRingCountSteps) {
    PixelRig rig;
    rig.onlyBearing(90, 45); // five rings: four drawn inside the circle
    rig.show();
    ASSERT_EQ(rig.f.RINGCOUNT, 5);
    const Colour ring = rig.colour(ColourSlot::RangeRings);
    const QPoint c = rig.centre();
    // Walk left from the centre, where no spoke and no cursor lie.
    std::vector<int> found;
    for (int d = 1; d < c.x(); ++d)
        if (rig.at(c.x() - d, c.y()) == ring && (found.empty() || d > found.back() + 2))
            found.push_back(d);
    ASSERT_EQ(found.size(), 4u);
    for (int k = 1; k <= 4; ++k)
        EXPECT_NEAR(found[static_cast<std::size_t>(k - 1)], k * rig.radiusPx() / 5, 1.5) << k;
    EXPECT_EQ(rig.f.Label_RANGE.caption, "RANGE  50 BRGS");
}

TEST(DisplayPixels, AMovedCursorLeavesNoPixelBehind) {
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
    const Colour cursor = moved.colour(ColourSlot::Cursor);
    const auto drawn = moved.pixelsIn(cursor);
    EXPECT_GT(drawn.size(), 100u);
    EXPECT_EQ(drawn, fresh.pixelsIn(cursor));
    // Nothing of the old markers outside the disk either.
    const Colour back = moved.colour(ColourSlot::DisplayBackground);
    EXPECT_EQ(moved.pixelsIn(back), fresh.pixelsIn(back));
}

TEST(DisplayPixels, TheCursorLineIsDotted) {
    PixelRig rig;
    rig.f.CURSOR_BEARING = 0;
    rig.show();
    const QPoint c = rig.centre();
    const Colour cursor = rig.colour(ColourSlot::Cursor);
    int on = 0;
    int off = 0;
    for (int d = 20; d < 400; ++d)
        (rig.at(c.x(), c.y() - d) == cursor ? on : off)++;
    EXPECT_GT(on, 100);
    EXPECT_GT(off, 100);
    const Colour markerAt = rig.at(
        c.x(), c.y() - static_cast<int>(std::lround(rig.radiusPx() + 250 / 15.0 + 50 / 15.0)));
    EXPECT_EQ(markerAt, cursor);
}

TEST(DisplayPixels, DecayShrinksTheSpokesWithoutTracesOfTheirOldLength) {
    PixelRig rig;
    rig.onlyBearing(90, 30);
    rig.f.DECAY_TIMER = true;
    rig.f.DECAY_TIME = rig.f.now();
    rig.settings.decayFractionTag = "0.5";
    rig.show();
    const Colour vectors = rig.colour(ColourSlot::Vectors);
    const QPoint c = rig.centre();
    ASSERT_EQ(rig.at(c.x() + 300, c.y()), vectors);

    rig.clock.seconds += 5;
    rig.timer1.fire(); // the decay step halves the table and repaints the disk
    rig.timer1.fire(); // the next cycle rescales the rings
    const double length = 15.0 / (10 * rig.f.RINGCOUNT) * rig.radiusPx();
    ASSERT_EQ(rig.f.RINGCOUNT, 3);
    expectSpoke(rig, 1, 0, length);
    for (int d = static_cast<int>(length) + 3; d < rig.radiusPx() - 12; ++d)
        EXPECT_NE(rig.at(c.x() + d, c.y()), vectors) << d;
}

TEST(DisplayPixels, AResizeLeavesNothingOfTheOldPicture) {
    PixelRig resized;
    resized.onlyBearing(45, 30);
    resized.f.CURSOR_BEARING = 0;
    resized.show();
    resized.surface.resize(1280, 700);
    resized.show();

    PixelRig fresh(1280, 700);
    fresh.onlyBearing(45, 30);
    fresh.f.CURSOR_BEARING = 0;
    fresh.show();
    fresh.show();
    EXPECT_TRUE(resized.surface.image() == fresh.surface.image());
}

} // namespace
