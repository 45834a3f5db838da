// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/Azimuth.h"

#include "DisplayFixture.h"
#include "core/Captions.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace {

using Azimuth = OnDesignWindow;

TEST_F(Azimuth, PaintsDiskOutlineCrossTicksAndLabelsAndLeavesAThinTransparentPen) {
    f.HEADING = 90;
    AZIMUTH(f);
    const auto& ops = rig.surface.ops;
    ASSERT_EQ(ops.size(), 2u + 2u + 72u + 8u);
    EXPECT_EQ((std::tuple{ops[0].radius, ops[0].pen.fillStyle, ops[0].pen.fillColour}),
              (std::tuple{2718.0f, FillStyle::Solid, 4u}));
    EXPECT_EQ((std::pair{ops[1].radius, ops[1].pen.fillStyle}),
              (std::pair{2768.0f, FillStyle::Transparent}));
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
// 90 down) from the centre, less dx across and 135 up.
TEST_F(Azimuth, LabelsTurnWithTheHeadingLessTheVariationWhileVarIsOn) {
    using Row = std::tuple<Integer, Integer, const char*, std::string, double, double>;
    for (const auto& [heading, variation, var, text, dx, degrees] :
         {Row{0, 0, VAR_OFF, "N", 80, 270}, Row{0, 0, VAR_OFF, "E", 80, 0},
          Row{90, 0, VAR_OFF, "N", 80, 180}, Row{0, 10, VAR_ON, "N", 80, 280},
          Row{0, 10, VAR_OFF, "N", 80, 270}, Row{0, 0, VAR_OFF, "NW", 200, 225}}) {
        SCOPED_TRACE(text + " at " + std::to_string(heading) + var);
        turn(heading, variation, var);
        rig.surface.ops.clear();
        AZIMUTH(f);
        const auto printed = opsOf(rig.surface, DrawOp::Print);
        const auto label = std::ranges::find(printed, text, &DrawOp::text);
        ASSERT_NE(label, printed.end());
        const double rad = degrees * std::numbers::pi / 180;
        EXPECT_NEAR(label->pen.textX, 4890 - dx + 0.91 * 2718 * std::cos(rad), NEAR_TWIPS);
        EXPECT_NEAR(label->pen.textY, 3647.5 - 135 + 0.91 * 2718 * std::sin(rad), NEAR_TWIPS);
    }
}

} // namespace
