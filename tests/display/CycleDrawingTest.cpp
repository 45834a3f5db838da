#include "core/Executive.h"
#include "display/FormResize.h"

#include "DisplayFixture.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Where in the recorded operations the first and last of a colour's lines or
// circles fall.
struct Span {
    std::ptrdiff_t first = -1;
    std::ptrdiff_t last = -1;
};

Span spanOf(const RecordingSurface& surface, Colour colour, DrawOp::Kind kind) {
    Span span;
    for (std::size_t i = 0; i < surface.ops.size(); ++i) {
        const DrawOp& op = surface.ops[i];
        if (op.kind != kind || op.pen.foreColour != colour) continue;
        if (span.first < 0) span.first = static_cast<std::ptrdiff_t>(i);
        span.last = static_cast<std::ptrdiff_t>(i);
    }
    return span;
}

TEST(DisplayCycle, LayersScaleRingsCursorAndSpokesInThatOrder) {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    f.SIMULATE_TIMER = false;
    f.BRG_SUM[10] = 30;
    f.MAXVECTOR = 30;
    Form_Resize(f);
    EXECUTIVE(f);
    rig.surface.ops.clear();
    f.NEWAZIMUTH = true;
    f.NEWRING = true;
    EXECUTIVE(f);

    const OperatingSettings& s = rig.settings;
    const Span scale = spanOf(rig.surface, s.colour(ColourSlot::AzimuthScale), DrawOp::Circle);
    const Span rings = spanOf(rig.surface, s.colour(ColourSlot::RangeRings), DrawOp::Circle);
    const Span cursor = spanOf(rig.surface, s.colour(ColourSlot::Cursor), DrawOp::Line);
    const Span spokes = spanOf(rig.surface, s.colour(ColourSlot::Vectors), DrawOp::Line);
    ASSERT_GE(scale.first, 0);
    ASSERT_GE(rings.first, 0);
    ASSERT_GE(cursor.first, 0);
    ASSERT_GE(spokes.first, 0);
    EXPECT_LT(scale.last, rings.first);
    EXPECT_LT(rings.last, cursor.first);
    EXPECT_LT(cursor.last, spokes.first);
    EXPECT_EQ(rig.surface.ops.back().kind, DrawOp::Refresh);
    EXPECT_EQ(spokes.last - spokes.first, 359);
}

TEST(DisplayCycle, LeavesWidthOneSolidLinesAndTransparentFill) {
    TestRig rig;
    rig.f.SIMULATE_TIMER = false;
    rig.f.BRG_SUM[200] = 12;
    rig.f.MAXVECTOR = 12;
    Form_Resize(rig.f);
    EXECUTIVE(rig.f);
    EXPECT_EQ(rig.surface.pen.lineWidth, 1);
    EXPECT_EQ(rig.surface.pen.lineStyle, LineStyle::Solid);
    EXPECT_EQ(rig.surface.pen.fillStyle, FillStyle::Transparent);
}

TEST(DisplayCycle, OnceStartedTheSpokesAreDrawnOnEveryCycle) {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    f.SIMULATE_TIMER = false;
    f.MAXVECTOR = 20;
    Form_Resize(f);
    EXECUTIVE(f);
    ASSERT_TRUE(f.NEWVECTOR);
    for (int cycle = 0; cycle < 3; ++cycle) {
        rig.surface.ops.clear();
        rig.timer1.fire();
        const auto spokes = linesIn(rig.surface, rig.settings.colour(ColourSlot::Vectors));
        EXPECT_EQ(spokes.size(), 360u) << cycle;
        EXPECT_TRUE(std::none_of(rig.surface.ops.begin(), rig.surface.ops.end(), [](auto& op) {
            return op.kind == DrawOp::Circle && op.pen.fillStyle == FillStyle::Solid;
        })) << "a steady cycle repaints no disk";
    }
}

} // namespace
