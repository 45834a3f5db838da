// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/Cursor.h"

#include "DisplayFixture.h"
#include "core/Captions.h"

#include <string>

namespace {

using Cursor = OnDesignWindow;

// The cursor runs from the centre to the azimuth circle (2718) along the
// bearing as seen heading-up, its marker 250 beyond (2968); the label shows
// the true bearing in three digits.
TEST_F(Cursor, PointsAtItsBearingOnTheHeadingUpDisplay) {
    using Row = std::tuple<Integer, Integer, Integer, const char*, double, double, std::string>;
    for (const auto& [bearing, heading, variation, var, ux, uy, label] : // ux, uy: y up
         {Row{0, 0, 0, VAR_OFF, 0, 1, "CURSOR 000 TRU"},
          Row{90, 90, 0, VAR_OFF, 0, 1, "CURSOR 090 TRU"},
          Row{7, 0, 0, VAR_OFF, 0.12187, 0.99255, "CURSOR 007 TRU"},
          Row{350, 0, 10, VAR_ON, 0, 1, "CURSOR 350 TRU"},
          Row{350, 0, 10, VAR_OFF, -0.17365, 0.98481, "CURSOR 350 TRU"}}) {
        SCOPED_TRACE(label + " at " + std::to_string(heading) + var);
        f.CURSOR_BEARING = bearing;
        turn(heading, variation, var);
        CURSOR(f);
        const DrawOp& line = rig.surface.ops.end()[-2];
        const DrawOp& marker = rig.surface.ops.back();
        EXPECT_EQ((std::pair{line.x, line.y}), (std::pair{4890.0f, 3647.5f}));
        EXPECT_NEAR(line.dx, 2718 * ux, NEAR_TWIPS);
        EXPECT_NEAR(line.dy, -2718 * uy, NEAR_TWIPS);
        EXPECT_NEAR(marker.x, 4890 + 2968 * ux, NEAR_TWIPS);
        EXPECT_NEAR(marker.y, 3647.5 - 2968 * uy, NEAR_TWIPS);
        EXPECT_EQ(f.Label_CURSOR.caption, label);
    }
}

// The old line in the disk's colour, the old marker in the window's; that
// they retrace the old cursor exactly the pixel tests prove.
TEST_F(Cursor, ErasesWhatItDrewLastThenDrawsADottedLineAndASolidMarker) {
    f.CURSOR_BEARING = 30;
    CURSOR(f);
    rig.surface.ops.clear();
    f.CURSOR_BEARING = 31;
    CURSOR(f);
    const auto& ops = rig.surface.ops;
    ASSERT_EQ(ops.size(), 4u);
    std::vector<std::tuple<DrawOp::Kind, Colour, LineStyle>> pens;
    for (const DrawOp& op : ops)
        pens.emplace_back(op.kind, op.pen.foreColour, op.pen.lineStyle);
    EXPECT_EQ(pens, (decltype(pens){{DrawOp::Line, 4, LineStyle::Solid},
                                    {DrawOp::Circle, 1, LineStyle::Solid},
                                    {DrawOp::Line, 8, LineStyle::Dotted},
                                    {DrawOp::Circle, 8, LineStyle::Solid}}));
    EXPECT_EQ(ops[3].radius, 50.0f);
}

} // namespace
