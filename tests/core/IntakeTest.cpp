// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BearingIntake.h"
#include "core/DfIn.h"
#include "core/Summing.h"
#include "support/DisplayFixture.h"

namespace {

// The count shows four digits, then a blank and the whole number; it goes on
// past 32767.
TEST(BearingIntake, CountsEachBearingAndShowsTheNewCount) {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    const std::pair<std::int32_t, const char*> rows[] = {
        {9, "0009"}, {999, "0999"}, {1000, " 1000"}, {32768, " 32768"}};
    for (const auto& [count, caption] : rows) {
        f.INCOUNT = count - 1;
        takeInBearing(f, 10, 0, 0);
        EXPECT_EQ((std::pair{f.INCOUNT, f.Label_TOTAL_BRG.caption}),
                  (std::pair{count, std::string("TOTAL BRG : ") + caption}));
    }
}

// DF_IN on the design window: slot 1, the display background, draws in colour
// 1, slot 8, the cursor, in colour 8.
struct DfIn : OnDesignWindow {
    void takeIn(int heading, const std::string& message) {
        f.HEADING = static_cast<Integer>(heading);
        f.DF_MESSAGE = message;
        DF_IN(f);
    }
};

// The heading plus the message's number, rounded half to even, brought into
// 1..360 by one wrap step; the label shows the number as received. A message
// (three characters with a digit) that does not begin with a number counts as
// straight ahead.
TEST_F(DfIn, AddsTheHeadingRoundsHalfToEvenAndWrapsIntoTheTable) {
    using Row = std::tuple<int, const char*, Integer, const char*>;
    for (const auto& [heading, message, bearing, label] :
         {Row{300, "090", 30, "090"}, Row{10, "350", 360, "350"}, Row{0, "4.5", 4, "005"},
          Row{0, "5.5", 6, "005"}, Row{0, ".01", 360, "001"}, Row{359, "002", 1, "002"},
          Row{0, "-5", 355, "005"}, Row{1, "-.5", 360, "005"}, Row{358, "362", 360, "362"},
          Row{0, "720", 360, "720"}, Row{0, "7e2", 340, "700"}, Row{90, "A45", 90, "000"},
          Row{0, " 45", 45, "045"}, Row{0, "\r45", 360, "000"}}) {
        takeIn(heading, message);
        EXPECT_EQ((std::pair{f.TRUE_DF_BEARING, f.Label_LAST_BRG.caption}),
                  (std::pair{bearing, std::string("LAST BRG : ") + label}))
            << heading << " + " << message;
    }
}

// Without a warning the serial-data watch is left alone. A total that one wrap
// step cannot bring into 1..360 comes from a corrupted message: it touches
// neither the warning, the tables, the marker, the labels nor the count. The
// first good message after a COM TIMEOUT warning ends it at once, whatever
// panels are hidden.
TEST_F(DfIn, OnlyABearingWithinOneWrapStepIsTakenAndEndsTheComTimeoutWarning) {
    f.Frame_TOP_LEFT.visible = false;
    f.SHOW_HIDE = 2;
    takeIn(0, "045");
    EXPECT_EQ((std::tuple{f.Frame_TOP_LEFT.visible, f.COM_TIMEOUT_TIMER, f.LAST_COM_TIME}),
              (std::tuple{false, false, 0}));
    f.Label_COM_TIMEOUT.visible = true;
    rig.surface.ops.clear();
    const auto tables = std::pair(f.BRG_HIST, f.BRG_SUM);
    for (const auto& [heading, message] : {std::pair{0, "999"}, {0, "721"}, {360, "361"}})
        takeIn(heading, message);
    EXPECT_EQ((std::tuple{f.TRUE_DF_BEARING, f.MAXVECTOR, f.INCOUNT, f.Label_LAST_BRG.caption,
                          f.Label_COM_TIMEOUT.visible}),
              (std::tuple<Integer, Single, std::int32_t, std::string, bool>{
                  45, 1, 1, "LAST BRG : 045", true}));
    EXPECT_TRUE(std::pair(f.BRG_HIST, f.BRG_SUM) == tables && rig.surface.ops.empty());
    rig.clock.seconds = 36001.5;
    takeIn(0, "010");
    EXPECT_EQ((std::tuple{f.Label_COM_TIMEOUT.visible, f.Frame_TOP_LEFT.visible,
                          f.COM_TIMEOUT_TIMER, f.LAST_COM_TIME}),
              (std::tuple{false, true, true, 36002}));
}

// Each intake overdraws the previous marker in the background colour, then
// draws the new one 250 outside the azimuth ring at the relative bearing (0 is
// straight up), turned by the main window's variation while VAR is on.
TEST_F(DfIn, TheMarkerIsErasedWhereItWasAndDrawnOutsideTheRing) {
    takeIn(123, "000");
    f.CmdButton_VAR.caption = VAR_ON;
    f.HEADING_CORRECTION = 10;
    rig.settings.HEADING_CORRECTION = -50;
    takeIn(200, "000");
    // 80 degrees from the x axis: 2968 * cos 80 = 515.4, 2968 * sin 80 = 2922.9.
    const std::tuple<Colour, double, double> expected[] = {
        {1, 0, 0}, {8, 4890, 679.5}, {1, 4890, 679.5}, {8, 5405.4, 724.6}};
    ASSERT_EQ(rig.surface.ops.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const DrawOp& op = rig.surface.ops[i];
        const auto& [colour, x, y] = expected[i];
        EXPECT_EQ((std::tuple{op.kind, op.radius, op.pen.foreColour}),
                  (std::tuple{DrawOp::Circle, 75.0f, colour}));
        EXPECT_NEAR(op.x, x, 0.5) << i;
        EXPECT_NEAR(op.y, y, 0.5) << i;
    }
}

using Summing = OnWindow;

// Bearings taken in one by one, across north, leave the sums over every
// sector width, and their peak, that the cycle's full recomputation also finds;
// sums and a peak left from before play no part; cell 0 is neither read nor
// written.
TEST_F(Summing, TheIncrementalUpdatesAndTheFullRecomputationGiveTheSectorSums) {
    for (const int width : {4, 6, 8, 12, 18, 24, 36, 48, 72, 108}) {
        f.BRG_HIST = {};
        f.BRG_SUM = {};
        f.MAXVECTOR = 0;
        f.SECTOR_WIDTH = static_cast<Integer>(width);
        for (int i = 0; i < 2000; ++i)
            takeInBearing(f, 360 - (i * i) % 360, 0, 0);
        std::array<Single, 361> sums{};
        for (int d = 1; d <= 360; ++d)
            for (int b = 1; b <= 360; ++b) // b within half the width of d, either way round
                sums[d] += std::abs((d - b + 540) % 360 - 180) <= width / 2 ? f.BRG_HIST[b] : 0;
        const Single peak = *std::ranges::max_element(sums);
        EXPECT_EQ((std::tuple{f.BRG_SUM, f.MAXVECTOR}), (std::tuple{sums, peak})) << width;
        sums[0] = 3;
        f.BRG_HIST[0] = 99;
        f.BRG_SUM.fill(3);
        f.MAXVECTOR = 4000;
        f.NEWSECTOR = true;
        rig.timer1.fire();
        EXPECT_EQ((std::tuple{f.BRG_SUM, f.MAXVECTOR, f.NEWSECTOR}),
                  (std::tuple{sums, peak, false}))
            << width;
    }
}

} // namespace
