// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/Azimuth.h"
#include "display/Cursor.h"
#include "display/RangeRings.h"
#include "display/Vector.h"

#include "support/DisplayFixture.h"

#include <cmath>
#include <numbers>

namespace {

using Azimuth = OnDesignWindow;

TEST_F(Azimuth, PaintsDiskOutlineCrossTicksAndLabelsAndLeavesAThinTransparentPen) {
    f.HEADING = 90;
    AZIMUTH(f);
    const auto& ops = rig.surface.ops;
    ASSERT_EQ(ops.size(), 2u + 2u + 72u + 8u);
    EXPECT_EQ((std::tuple{ops[0].radius, ops[0].pen.fillStyle, ops[0].pen.fillColour, ops[1].radius,
                          ops[1].pen.fillStyle}),
              (std::tuple{2718.0f, FillStyle::Solid, 4u, 2768.0f, FillStyle::Transparent}));
    for (const DrawOp& op : ops)
        EXPECT_EQ((std::pair{op.pen.foreColour, op.pen.lineWidth}), (std::pair{5u, 2}));
    EXPECT_EQ((std::tuple{ops[2].y, ops[2].dy, ops[3].x, ops[3].dx}),
              (std::tuple{3537.5f, 220.0f, 4780.0f, 220.0f}));
    // The first long tick marks true bearing 90, at the top of the rim for
    // heading 90; the short ones are half as long.
    EXPECT_NEAR(ops[4].x, 4890, NEAR_TWIPS);
    EXPECT_NEAR(ops[4].y, 3647.5 - 2718, NEAR_TWIPS);
    EXPECT_NEAR(ops[4].dy, 150, 1e-2);
    EXPECT_NEAR(std::hypot(ops[40].dx, ops[40].dy), 75, 1e-3);
    EXPECT_EQ(ops[76].pen.font, (Font{"arial", 12, true, false}));
    EXPECT_EQ((std::tuple{rig.surface.pen.lineWidth, rig.surface.pen.fillStyle, f.NEWAZIMUTH}),
              (std::tuple{1, FillStyle::Transparent, false}));
}

// A label's text corner: its point at 0.91 of the radius, `degrees` (0 right,
// 90 down) from the centre, less dx across and 135 up. The labels turn with
// the heading less the variation while VAR is on.
TEST_F(Azimuth, EachLabelSitsOnItsBearingTurnedByTheHeading) {
    using Row = std::tuple<Integer, Integer, const char*, std::string, double, double>;
    for (const auto& [heading, variation, var, text, dx, degrees] :
         {Row{0, 0, VAR_OFF, "N", 80, 270}, Row{0, 0, VAR_OFF, "NE", 180, 315},
          Row{0, 0, VAR_OFF, "E", 80, 0}, Row{0, 0, VAR_OFF, "SE", 180, 45},
          Row{0, 0, VAR_OFF, "S", 80, 90}, Row{0, 0, VAR_OFF, "SW", 180, 135},
          Row{0, 0, VAR_OFF, "W", 120, 180}, Row{0, 0, VAR_OFF, "NW", 200, 225},
          Row{90, 0, VAR_OFF, "N", 80, 180}, Row{0, 10, VAR_ON, "N", 80, 280},
          Row{0, 10, VAR_OFF, "N", 80, 270}}) {
        SCOPED_TRACE(text + " at " + std::to_string(heading) + var);
        turn(heading, variation, var);
        rig.surface.ops.clear();
        AZIMUTH(f);
        const auto printed = opsOf(DrawOp::Print);
        const auto label = std::ranges::find(printed, text, &DrawOp::text);
        ASSERT_NE(label, printed.end());
        const double rad = degrees * std::numbers::pi / 180;
        EXPECT_NEAR(label->pen.textX, 4890 - dx + 0.91 * 2718 * std::cos(rad), NEAR_TWIPS);
        EXPECT_NEAR(label->pen.textY, 3647.5 - 135 + 0.91 * 2718 * std::sin(rad), NEAR_TWIPS);
    }
}

using Cursor = OnDesignWindow;

// The cursor runs from the centre to the azimuth circle (2718) along the
// bearing as seen heading-up, its marker 250 beyond (2968); the label shows
// the true bearing in three digits. Each move first retraces the old line in
// the disk's colour and the old marker in the window's (the surface's own
// tests show that the same line or circle drawn again sets the same pixels),
// then draws a dotted line and a solid marker.
TEST_F(Cursor, ErasesWhereItWasAndPointsAtItsBearingOnTheHeadingUpDisplay) {
    using Row = std::tuple<Integer, Integer, Integer, const char*, double, double, std::string>;
    CURSOR(f);
    for (const auto& [bearing, heading, variation, var, ux, uy, label] : // ux, uy: y up
         {Row{0, 0, 0, VAR_OFF, 0, 1, "CURSOR 000 TRU"},
          Row{90, 90, 0, VAR_OFF, 0, 1, "CURSOR 090 TRU"},
          Row{7, 0, 0, VAR_OFF, 0.12187, 0.99255, "CURSOR 007 TRU"},
          Row{350, 0, 10, VAR_ON, 0, 1, "CURSOR 350 TRU"},
          Row{350, 0, 10, VAR_OFF, -0.17365, 0.98481, "CURSOR 350 TRU"}}) {
        SCOPED_TRACE(label + " at " + std::to_string(heading) + var);
        const std::vector<DrawOp> old(rig.surface.ops.end() - 2, rig.surface.ops.end());
        rig.surface.ops.clear();
        f.CURSOR_BEARING = bearing;
        turn(heading, variation, var);
        CURSOR(f);
        const auto& ops = rig.surface.ops;
        std::vector<std::tuple<DrawOp::Kind, Colour, LineStyle, Single>> drawn;
        for (const DrawOp& op : ops)
            drawn.emplace_back(op.kind, op.pen.foreColour, op.pen.lineStyle, op.radius);
        ASSERT_EQ(drawn, (decltype(drawn){{DrawOp::Line, 4, LineStyle::Solid, 0},
                                          {DrawOp::Circle, 1, LineStyle::Solid, 50},
                                          {DrawOp::Line, 8, LineStyle::Dotted, 0},
                                          {DrawOp::Circle, 8, LineStyle::Solid, 50}}));
        for (std::size_t i = 0; i < 2; ++i)
            EXPECT_EQ((std::tuple{ops[i].x, ops[i].y, ops[i].dx, ops[i].dy}),
                      (std::tuple{old[i].x, old[i].y, old[i].dx, old[i].dy}));
        EXPECT_EQ((std::pair{ops[2].x, ops[2].y}), (std::pair{4890.0f, 3647.5f}));
        EXPECT_NEAR(ops[2].dx, 2718 * ux, NEAR_TWIPS);
        EXPECT_NEAR(ops[2].dy, -2718 * uy, NEAR_TWIPS);
        EXPECT_NEAR(ops[3].x, 4890 + 2968 * ux, NEAR_TWIPS);
        EXPECT_NEAR(ops[3].y, 3647.5 - 2968 * uy, NEAR_TWIPS);
        EXPECT_EQ(f.Label_CURSOR.caption, label);
    }
}

using Rings = OnDesignWindow;

// The count is the peak sum over ten rounded half to even, plus one; the disk
// is repainted first. Beyond what sixteen bits hold the label still reads
// right and the count stops at the largest.
TEST_F(Rings, FollowThePeakSumAndDivideTheRadiusEvenly) {
    using Row = std::tuple<Single, Integer, std::string>;
    for (const auto& [maxVector, count, label] :
         {Row{0, 1, "RANGE  10 BRGS"}, Row{4.9f, 1, "RANGE  10 BRGS"}, Row{5, 1, "RANGE  10 BRGS"},
          Row{5.1f, 2, "RANGE  20 BRGS"}, Row{15, 3, "RANGE  30 BRGS"},
          Row{25, 3, "RANGE  30 BRGS"}, Row{35, 5, "RANGE  50 BRGS"},
          Row{40000, 4001, "RANGE  40010 BRGS"}, Row{1e9f, 32767, "RANGE  327670 BRGS"}}) {
        SCOPED_TRACE(label);
        rig.surface.ops.clear();
        f.OLDRINGCOUNT = 0;
        f.NEWVECTOR = false;
        f.MAXVECTOR = maxVector;
        RANGE_RINGS(f);
        EXPECT_EQ((std::tuple{f.RINGCOUNT, f.NEWVECTOR, f.Label_RANGE.caption,
                              rig.surface.ops.at(0).pen.fillStyle, rig.surface.pen.lineWidth}),
                  (std::tuple{count, true, label, FillStyle::Solid, 1}));
        const auto drawn = opsOf(DrawOp::Circle, 6);
        ASSERT_EQ(drawn.size(), static_cast<std::size_t>(count - 1));
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            EXPECT_NEAR(drawn[i].radius, 2718.0 * static_cast<double>(i + 1) / count, 1e-3);
            EXPECT_EQ((std::tuple{drawn[i].x, drawn[i].y, drawn[i].pen.lineWidth}),
                      (std::tuple{4890.0f, 3647.5f, 2}));
        }
    }
}

TEST_F(Rings, ARequestedRedrawFreezesTheCountForOneCallAnUnchangedCountDrawsNothing) {
    f.MAXVECTOR = 15;
    RANGE_RINGS(f);
    f.NEWVECTOR = false;
    f.NEWRING = true;
    f.MAXVECTOR = 45;
    rig.surface.ops.clear();
    RANGE_RINGS(f);
    EXPECT_EQ(opsOf(DrawOp::Circle, 6).size(), 2u);
    EXPECT_EQ((std::tuple{f.RINGCOUNT, f.NEWVECTOR, f.NEWRING, f.Label_RANGE.caption}),
              (std::tuple{Integer{3}, false, false, std::string{"RANGE  30 BRGS"}}));
    RANGE_RINGS(f);
    EXPECT_EQ((std::pair{f.RINGCOUNT, f.NEWVECTOR}), (std::pair{Integer{5}, true}));
    f.NEWVECTOR = false;
    f.Label_RANGE.caption = "untouched";
    f.MAXVECTOR = 44.9f;
    rig.surface.ops.clear();
    RANGE_RINGS(f);
    EXPECT_EQ(
        (std::tuple{rig.surface.ops.size(), f.NEWVECTOR, f.NEWAZIMUTH, f.Label_RANGE.caption}),
        (std::tuple{0u, false, false, std::string{"untouched"}}));
}

using Vector = OnDesignWindow;

// At one ring a unit of sum is 271.8 twips; each component is truncated
// toward zero after 32-bit steps. dx, dy on screen, y down. Every other spoke,
// its cell empty, has length zero; cell 0 is never drawn.
TEST_F(Vector, EachSpokePointsAtItsBearingHeadingUpWithItsTruncatedLength) {
    using Row =
        std::tuple<Integer, Integer, const char*, Integer, std::size_t, Single, Single, Single>;
    for (const auto& [heading, variation, var, rings, degree, sum, dx, dy] :
         {Row{0, 0, VAR_OFF, 1, 90, 1, 271, 0},      // east to the right
          Row{0, 0, VAR_OFF, 1, 360, 1, 0, -271},    // north up
          Row{0, 0, VAR_OFF, 1, 270, 1, -271, 0},    // -271.8 truncates toward zero
          Row{45, 0, VAR_OFF, 1, 45, 10, 0, -2718},  // the heading points up
          Row{0, 10, VAR_ON, 1, 350, 10, 0, -2718},  // less the variation with VAR
          Row{0, 10, VAR_OFF, 1, 360, 10, 0, -2718}, // and only with VAR
          // 2718 x 55 / 110 is 1359, but 0.1 / 11 held in 32 bits is a
          // hair short and every later step keeps it short.
          Row{0, 0, VAR_OFF, 11, 90, 55, 1358, 0}}) {
        SCOPED_TRACE(::testing::Message() << degree << " at heading " << heading << var);
        turn(heading, variation, var);
        f.RINGCOUNT = rings;
        f.BRG_SUM.fill(0);
        f.BRG_SUM[0] = 50;
        f.BRG_SUM[degree] = sum;
        rig.surface.ops.clear();
        VECTOR(f);
        ASSERT_EQ(rig.surface.ops.size(), 360u);
        for (std::size_t i = 1; i <= 360; ++i) {
            const DrawOp& spoke = rig.surface.ops[i - 1];
            EXPECT_EQ(
                (std::tuple{spoke.pen.foreColour, spoke.x, spoke.y, spoke.dx, spoke.dy}),
                (std::tuple{7u, 4890.0f, 3647.5f, i == degree ? dx : 0, i == degree ? dy : 0}))
                << i;
        }
    }
}

} // namespace
