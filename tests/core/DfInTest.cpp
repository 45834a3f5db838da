#include "core/DfIn.h"
#include "core/Captions.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

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
    std::vector<DrawOp> circles() const {
        std::vector<DrawOp> found;
        for (const DrawOp& op : rig.surface.ops)
            if (op.kind == DrawOp::Circle) found.push_back(op);
        return found;
    }
};

TEST_F(DfIn, NorthIsCountedInCell360AndItsSectorWrapsPastNorth) {
    takeIn(0, "000");
    EXPECT_EQ(f.TRUE_DF_BEARING, 360);
    EXPECT_EQ(f.BRG_HIST[360], 1);
    EXPECT_EQ(f.BRG_HIST[0], 0);
    EXPECT_EQ(f.BRG_SUM[0], 0);
    for (int d = 1; d <= 360; ++d) {
        const bool inSector = d >= 358 || d <= 2;
        EXPECT_EQ(f.BRG_SUM[d], inSector ? 1 : 0) << "cell " << d;
    }
    EXPECT_EQ(f.MAXVECTOR, 1);
    EXPECT_EQ(f.Label_LAST_BRG.caption, "LAST BRG : 000");
    EXPECT_EQ(f.Label_TOTAL_BRG.caption, "TOTAL BRG : 0001");
}

TEST_F(DfIn, AddsTheHeadingRoundsHalfToEvenAndWrapsIntoTheTable) {
    struct Case {
        int heading;
        const char* message;
        int trueBearing;
    };
    const Case cases[] = {
        {300, "090", 30},  {10, "350", 360}, {0, "4.5", 4},   {0, "5.5", 6},     {359, "001", 360},
        {359, "002", 1},   {0, "-5", 355},   {0, " 45", 45},  {360, "000", 360}, {1, "-.5", 360},
        {358, "362", 360}, {0, "7e2", 340},  {100, "-99", 1}, {0, "-99", 261},
    };
    for (const Case& c : cases) {
        takeIn(c.heading, c.message);
        EXPECT_EQ(f.TRUE_DF_BEARING, c.trueBearing) << c.heading << " + " << c.message;
    }
}

TEST_F(DfIn, AMessageThatIsNoNumberCountsAsStraightAhead) {
    takeIn(90, "ABC");
    EXPECT_EQ(f.TRUE_DF_BEARING, 90);
    takeIn(45, "");
    EXPECT_EQ(f.TRUE_DF_BEARING, 45);
    EXPECT_EQ(f.BRG_HIST[90] + f.BRG_HIST[45], 2);
    EXPECT_EQ(f.Label_LAST_BRG.caption, "LAST BRG : 000");
}

TEST_F(DfIn, ABearingOneWrapStepCannotBringIntoTheTableTouchesNothing) {
    takeIn(0, "045");
    f.Label_COM_TIMEOUT.visible = true;
    f.Frame_TOP_LEFT.visible = false;
    f.COM_TIMEOUT_TIMER = false;
    rig.surface.ops.clear();
    const auto hist = f.BRG_HIST;
    const auto sums = f.BRG_SUM;
    for (const auto& [heading, message] :
         {std::pair{0, "999"}, std::pair{359, "362"}, std::pair{0, "721"}, std::pair{0, "1e3"},
          std::pair{0, "-360"}, std::pair{0, "9e99999"}}) {
        takeIn(heading, message);
        EXPECT_EQ(f.TRUE_DF_BEARING, 45) << message;
    }
    EXPECT_EQ(f.BRG_HIST, hist);
    EXPECT_EQ(f.BRG_SUM, sums);
    EXPECT_EQ(f.MAXVECTOR, 1);
    EXPECT_EQ(f.INCOUNT, 1);
    EXPECT_EQ(f.Label_LAST_BRG.caption, "LAST BRG : 045");
    EXPECT_EQ(f.Label_TOTAL_BRG.caption, "TOTAL BRG : 0001");
    EXPECT_TRUE(rig.surface.ops.empty());
    EXPECT_TRUE(f.Label_COM_TIMEOUT.visible);
    EXPECT_FALSE(f.Frame_TOP_LEFT.visible);
    EXPECT_FALSE(f.COM_TIMEOUT_TIMER);
}

TEST_F(DfIn, ADfMessageEndsTheComTimeoutWarningAtOnce) {
    rig.clock.seconds = 36001.5;
    f.Label_COM_TIMEOUT.visible = true;
    f.Frame_TOP_LEFT.visible = false;
    f.SHOW_HIDE = 2;
    f.COM_TIMEOUT_TIMER = false;
    takeIn(0, "010");
    EXPECT_FALSE(f.Label_COM_TIMEOUT.visible);
    EXPECT_TRUE(f.Frame_TOP_LEFT.visible);
    EXPECT_TRUE(f.COM_TIMEOUT_TIMER);
    EXPECT_EQ(f.LAST_COM_TIME, 36002);
}

TEST_F(DfIn, WithoutAWarningTheSerialWatchIsLeftAlone) {
    f.Frame_TOP_LEFT.visible = false;
    f.COM_TIMEOUT_TIMER = false;
    f.LAST_COM_TIME = 123;
    takeIn(0, "010");
    EXPECT_FALSE(f.Frame_TOP_LEFT.visible);
    EXPECT_FALSE(f.COM_TIMEOUT_TIMER);
    EXPECT_EQ(f.LAST_COM_TIME, 123);
}

TEST_F(DfIn, TheMarkerIsErasedWhereItWasAndDrawnOutsideTheRingAtTheRelativeBearing) {
    takeIn(123, "000");
    auto drawn = circles();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].pen.foreColour, BACKGROUND);
    EXPECT_EQ(drawn[0].x, 0);
    EXPECT_EQ(drawn[0].y, 0);
    EXPECT_EQ(drawn[0].radius, 75);
    EXPECT_EQ(drawn[1].pen.foreColour, CURSOR_COLOUR);
    EXPECT_EQ(drawn[1].radius, 75);
    // Relative bearing 0 stands straight up, whatever the heading.
    EXPECT_NEAR(drawn[1].x, 5000, 0.5);
    EXPECT_NEAR(drawn[1].y, 3000 - 2250, 0.5);
    EXPECT_EQ(drawn[1].x, f.DFBUGX);
    EXPECT_EQ(drawn[1].y, f.DFBUGY);

    rig.surface.ops.clear();
    takeIn(0, "090");
    drawn = circles();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_NEAR(drawn[0].x, 5000, 0.5);
    EXPECT_NEAR(drawn[0].y, 750, 0.5);
    EXPECT_NEAR(drawn[1].x, 5000 + 2250, 0.5);
    EXPECT_NEAR(drawn[1].y, 3000, 0.5);
}

TEST_F(DfIn, WithVariationOnTheMarkerTurnsByTheMainWindowsCorrection) {
    f.CmdButton_VAR.caption = VAR_ON;
    f.HEADING_CORRECTION = 10;
    rig.settings.HEADING_CORRECTION = -50;
    takeIn(200, "000");
    EXPECT_EQ(f.DFBUGBRG, static_cast<Single>(80 * 0.017453));
    const double angle = 80 * 0.017453;
    EXPECT_NEAR(f.DFBUGX, 5000 + 2250 * std::cos(angle), 0.01);
    EXPECT_NEAR(f.DFBUGY, 3000 - 2250 * std::sin(angle), 0.01);
    // The true bearing does not take the variation.
    EXPECT_EQ(f.TRUE_DF_BEARING, 200);
}

TEST_F(DfIn, TheLastBearingLabelShowsTheReceivedRelativeBearing) {
    takeIn(300, "045");
    EXPECT_EQ(f.TRUE_DF_BEARING, 345);
    EXPECT_EQ(f.Label_LAST_BRG.caption, "LAST BRG : 045");
    takeIn(0, "4.5");
    EXPECT_EQ(f.Label_LAST_BRG.caption, "LAST BRG : 005");
}

// Each documented bad form, as it comes off the line, through the receive
// handler and the cycle it starts.
TEST_F(DfIn, BadMessagesFromTheLineNeverLeaveTheTable) {
    f.HEADING = 0;
    struct Case {
        const char* line;
        int count;
    };
    const Case cases[] = {{"%ABC", 1}, {"%", 2},   {"%4.5", 3},  {"% 45", 4},
                          {"%999", 4}, {"%-5", 5}, {"%\r\n", 6}, {"%1e9", 6}};
    for (const Case& c : cases) {
        rig.serial.deliver(c.line);
        rig.clock.seconds += 0.05;
        rig.timer1.fire();
        EXPECT_EQ(f.INCOUNT, c.count) << c.line;
        EXPECT_GE(f.TRUE_DF_BEARING, 1);
        EXPECT_LE(f.TRUE_DF_BEARING, 360);
    }
    EXPECT_EQ(f.BRG_HIST[0], 0);
    EXPECT_EQ(f.BRG_SUM[0], 0);
    Single total = 0;
    for (int d = 1; d <= 360; ++d)
        total += f.BRG_HIST[d];
    EXPECT_EQ(total, 6);
    EXPECT_EQ(f.BRG_HIST[360], 3); // "ABC", "" and CR LF read as 0
    EXPECT_EQ(f.BRG_HIST[4], 1);
    EXPECT_EQ(f.BRG_HIST[45], 1);
    EXPECT_EQ(f.BRG_HIST[355], 1);
}

TEST_F(DfIn, NoiseOnTheLineIsAbsorbed) {
    std::string noise;
    for (int i = 0; i < 1000; ++i)
        noise.push_back(static_cast<char>((i * 7919 + 13) % 256));
    for (std::size_t at = 0; at < noise.size(); at += 37) {
        rig.serial.deliver(noise.substr(at, 37));
        rig.clock.seconds += 0.05;
        rig.timer1.fire();
    }
    EXPECT_LE(f.GPS_BUFFER.size(), 1000u);
    EXPECT_EQ(f.BRG_HIST[0], 0);
    for (int d = 1; d <= 360; ++d)
        EXPECT_TRUE(std::isfinite(f.BRG_SUM[d]));
}

} // namespace
