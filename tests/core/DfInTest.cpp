// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/DfIn.h"
#include "core/Captions.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

constexpr Colour BACKGROUND = 0x112233;
constexpr Colour CURSOR_COLOUR = 0x445566;

// DF_IN on a window with a known geometry and distinct marker colours; the
// test-mode feed is off so only the message under test reaches the tables.
struct DfIn : ::testing::Test {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    void SetUp() override {
        f.SIMULATE_TIMER = false;
        f.CENTERX = 5000;
        f.CENTERY = 3000;
        f.AZRADIUS = 2000;
        rig.settings.colours[static_cast<std::size_t>(ColourSlot::DisplayBackground)] = BACKGROUND;
        rig.settings.colours[static_cast<std::size_t>(ColourSlot::Cursor)] = CURSOR_COLOUR;
    }
    void takeIn(int heading, const std::string& message) {
        f.HEADING = static_cast<Integer>(heading);
        f.DF_MESSAGE = message;
        DF_IN(f);
    }
};

TEST_F(DfIn, NorthIsCountedInCell360AndItsSectorWrapsPastNorth) {
    takeIn(0, "000");
    EXPECT_EQ(f.TRUE_DF_BEARING, 360);
    EXPECT_EQ(f.BRG_HIST[360], 1);
    EXPECT_EQ(f.BRG_HIST[0], 0);
    for (int d = 0; d <= 360; ++d)
        EXPECT_EQ(f.BRG_SUM[d], d >= 358 || (d >= 1 && d <= 2) ? 1 : 0) << "cell " << d;
    EXPECT_EQ(f.MAXVECTOR, 1);
    EXPECT_EQ(f.Label_LAST_BRG.caption, "LAST BRG : 000");
    EXPECT_EQ(f.Label_TOTAL_BRG.caption, "TOTAL BRG : 0001");
}

// The true bearing is the heading plus the message's number, rounded half to
// even and brought into 1..360 by one wrap step; the label shows the number as
// received. A message that is no number counts as straight ahead.
TEST_F(DfIn, AddsTheHeadingRoundsHalfToEvenAndWrapsIntoTheTable) {
    struct Case {
        int heading;
        const char* message;
        int trueBearing;
        const char* label;
    };
    const Case cases[] = {
        {300, "090", 30, "090"}, {10, "350", 360, "350"},  {0, "4.5", 4, "005"},
        {0, "5.5", 6, "005"},    {359, "002", 1, "002"},   {0, "-5", 355, "005"},
        {1, "-.5", 360, "005"},  {358, "362", 360, "362"}, {0, "720", 360, "720"},
        {0, "-359", 1, "009"},   {0, "7e2", 340, "700"},   {90, "ABC", 90, "000"},
        {45, "", 45, "000"},     {0, " 45", 45, "045"},    {0, "\r\n", 360, "000"}};
    for (const Case& c : cases) {
        takeIn(c.heading, c.message);
        EXPECT_EQ(f.TRUE_DF_BEARING, c.trueBearing) << c.heading << " + " << c.message;
        EXPECT_EQ(f.Label_LAST_BRG.caption, std::string("LAST BRG : ") + c.label) << c.message;
    }
}

// A total outside -359..720 cannot be brought into 1..360 by one wrap step: such
// a message, a corrupted one, is dropped before the COM TIMEOUT warning, the
// tables, the marker, the labels or the count are touched.
TEST_F(DfIn, ABearingOneWrapStepCannotBringIntoTheTableTouchesNothing) {
    takeIn(0, "045");
    f.Label_COM_TIMEOUT.visible = true;
    rig.surface.ops.clear();
    const auto hist = f.BRG_HIST;
    const auto sums = f.BRG_SUM;
    const std::pair<int, const char*> rejected[] = {
        {0, "999"}, {-355, "-5"}, {0, "721"}, {0, "-360"}, {0, "9e99999"}};
    for (const auto& [heading, message] : rejected)
        takeIn(heading, message);
    EXPECT_EQ(f.TRUE_DF_BEARING, 45);
    EXPECT_EQ(f.BRG_HIST, hist);
    EXPECT_EQ(f.BRG_SUM, sums);
    EXPECT_EQ(f.MAXVECTOR, 1);
    EXPECT_EQ(f.INCOUNT, 1);
    EXPECT_EQ(f.Label_LAST_BRG.caption, "LAST BRG : 045");
    EXPECT_TRUE(rig.surface.ops.empty());
    EXPECT_TRUE(f.Label_COM_TIMEOUT.visible);
}

// Without a warning the serial-data watch is left alone; the first message
// after a COM TIMEOUT warning ends it at once, whatever panels are hidden.
TEST_F(DfIn, ADfMessageEndsTheComTimeoutWarningAtOnce) {
    f.Frame_TOP_LEFT.visible = false;
    f.SHOW_HIDE = 2;
    takeIn(0, "010");
    EXPECT_FALSE(f.Frame_TOP_LEFT.visible);
    EXPECT_FALSE(f.COM_TIMEOUT_TIMER);
    EXPECT_EQ(f.LAST_COM_TIME, 0);
    rig.clock.seconds = 36001.5;
    f.Label_COM_TIMEOUT.visible = true;
    takeIn(0, "010");
    EXPECT_FALSE(f.Label_COM_TIMEOUT.visible);
    EXPECT_TRUE(f.Frame_TOP_LEFT.visible);
    EXPECT_TRUE(f.COM_TIMEOUT_TIMER);
    EXPECT_EQ(f.LAST_COM_TIME, 36002);
}

// Each intake overdraws the previous marker in the background colour, then
// draws the new one 250 outside the azimuth ring at the relative bearing (0 is
// straight up), turned by the main window's correction while VAR is on.
TEST_F(DfIn, TheMarkerIsErasedWhereItWasAndDrawnOutsideTheRing) {
    takeIn(123, "000");
    f.CmdButton_VAR.caption = VAR_ON;
    f.HEADING_CORRECTION = 10;
    rig.settings.HEADING_CORRECTION = -50;
    takeIn(200, "000");
    EXPECT_EQ(f.TRUE_DF_BEARING, 200);
    struct Circle {
        Colour colour;
        double x, y;
    };
    // 80 degrees from the x axis: 2250 * cos 80 = 390.7, 2250 * sin 80 = 2215.8.
    const Circle expected[] = {{BACKGROUND, 0, 0},
                               {CURSOR_COLOUR, 5000, 750},
                               {BACKGROUND, 5000, 750},
                               {CURSOR_COLOUR, 5390.7, 784.2}};
    ASSERT_EQ(rig.surface.ops.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const DrawOp& op = rig.surface.ops[i];
        EXPECT_EQ(op.kind, DrawOp::Circle);
        EXPECT_EQ(op.radius, 75);
        EXPECT_EQ(op.pen.foreColour, expected[i].colour) << i;
        EXPECT_NEAR(op.x, expected[i].x, 0.5) << i;
        EXPECT_NEAR(op.y, expected[i].y, 0.5) << i;
    }
}

} // namespace
