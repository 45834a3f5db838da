#include "display/Azimuth.h"

#include "DisplayFixture.h"
#include "core/Captions.h"

#include <cmath>
#include <numbers>

namespace {

constexpr float NEAR = NEAR_TWIPS;

struct Azimuth : OnDesignWindow {
    DrawOp printed(const std::string& text) const {
        for (const DrawOp& op : opsOf(rig.surface, DrawOp::Print))
            if (op.text == text) return op;
        ADD_FAILURE() << text << " not printed";
        return {};
    }
    // Where a label's text corner lands when its point sits at `degrees`
    // (0 right, 90 down) from the centre.
    void expectLabelAt(const std::string& text, double dx, double degrees) const {
        const double r = 0.91 * f.AZRADIUS;
        const double rad = degrees * std::numbers::pi / 180;
        const DrawOp op = printed(text);
        EXPECT_NEAR(op.pen.textX, f.CENTERX - dx + r * std::cos(rad), NEAR) << text;
        EXPECT_NEAR(op.pen.textY, f.CENTERY - 135 + r * std::sin(rad), NEAR) << text;
    }
};

TEST_F(Azimuth, PaintsDiskOutlineCrossTicksAndLabelsInThatOrder) {
    rig.settings.colours[3] = 0x112233;
    rig.settings.colours[4] = 0x445566;
    AZIMUTH(f);
    const auto& ops = rig.surface.ops;
    ASSERT_EQ(ops.size(), 2u + 2u + 72u + 8u);

    EXPECT_EQ(ops[0].kind, DrawOp::Circle);
    EXPECT_EQ(ops[0].radius, 2718.0f);
    EXPECT_EQ(ops[0].pen.fillStyle, FillStyle::Solid);
    EXPECT_EQ(ops[0].pen.fillColour, 0x112233u);
    EXPECT_EQ(ops[1].kind, DrawOp::Circle);
    EXPECT_EQ(ops[1].radius, 2768.0f);
    EXPECT_EQ(ops[1].pen.fillStyle, FillStyle::Transparent);
    for (std::size_t i = 0; i < 76; ++i) {
        EXPECT_EQ(ops[i].pen.foreColour, 0x445566u) << i;
        EXPECT_EQ(ops[i].pen.lineWidth, 2) << i;
    }
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(ops[i].x, 4890.0f);
        EXPECT_EQ(ops[i].y, 3647.5f);
    }

    EXPECT_EQ(ops[2].kind, DrawOp::Line);
    EXPECT_EQ(ops[2].x, 4890.0f);
    EXPECT_EQ(ops[2].y, 3537.5f);
    EXPECT_EQ(ops[2].dx, 0.0f);
    EXPECT_EQ(ops[2].dy, 220.0f);
    EXPECT_EQ(ops[3].x, 4780.0f);
    EXPECT_EQ(ops[3].y, 3647.5f);
    EXPECT_EQ(ops[3].dx, 220.0f);
    EXPECT_EQ(ops[3].dy, 0.0f);

    const std::vector<std::string> order{"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
    for (std::size_t i = 0; i < order.size(); ++i) {
        const DrawOp& op = ops[76 + i];
        EXPECT_EQ(op.kind, DrawOp::Print);
        EXPECT_EQ(op.text, order[i]);
        EXPECT_EQ(op.pen.font, (Font{"arial", 12, true, false}));
        EXPECT_EQ(op.pen.foreColour, 0x445566u);
    }
}

TEST_F(Azimuth, LongAndShortTicksRunInwardFromTheRimEveryFiveDegrees) {
    AZIMUTH(f);
    const auto lines = opsOf(rig.surface, DrawOp::Line);
    ASSERT_EQ(lines.size(), 74u);
    for (int k = 0; k < 72; ++k) {
        const DrawOp& tick = lines[static_cast<std::size_t>(2 + k)];
        const double length = k < 36 ? 150 : 75;
        const double degrees = k < 36 ? 10.0 * k : 5 + 10.0 * (k - 36);
        const double rad = degrees * std::numbers::pi / 180;
        EXPECT_NEAR(tick.x, f.CENTERX + f.AZRADIUS * std::cos(rad), NEAR) << degrees;
        EXPECT_NEAR(tick.y, f.CENTERY + f.AZRADIUS * std::sin(rad), NEAR) << degrees;
        EXPECT_NEAR(std::hypot(tick.dx, tick.dy), length, 1e-3) << degrees;
        EXPECT_NEAR(tick.dx, -length * std::cos(rad), 0.1) << degrees;
    }
    // The first long tick is the horizontal one at the right of the rim.
    EXPECT_NEAR(lines[2].x, 7608, 1e-3);
    EXPECT_EQ(lines[2].y, 3647.5f);
    EXPECT_EQ(lines[2].dx, -150.0f);
}

TEST_F(Azimuth, NorthIsUpAndEastRightForHeadingZero) {
    AZIMUTH(f);
    EXPECT_EQ(f.AZIMUTH_HEADING, 0);
    const DrawOp n = printed("N");
    EXPECT_NEAR(n.pen.textX, 4890 - 80, NEAR);
    EXPECT_NEAR(n.pen.textY, 3647.5 - 135 - 0.91 * 2718, NEAR);
    const DrawOp e = printed("E");
    EXPECT_NEAR(e.pen.textX, 4890 - 80 + 0.91 * 2718, NEAR);
    EXPECT_NEAR(e.pen.textY, 3647.5 - 135, NEAR);
    expectLabelAt("SW", 180, 135);
    expectLabelAt("W", 120, 180);
    expectLabelAt("NW", 200, 225);
}

TEST_F(Azimuth, HeadingNinetyTurnsNorthToTheLeftAndEastToTheTop) {
    f.HEADING = 90;
    AZIMUTH(f);
    EXPECT_EQ(f.AZIMUTH_HEADING, 90);
    expectLabelAt("N", 80, 180);
    expectLabelAt("E", 80, 270);
    expectLabelAt("S", 80, 0);
}

TEST_F(Azimuth, VariationTurnsTheScaleOnlyWhileVarIsOn) {
    f.HEADING_CORRECTION = 10;
    f.CmdButton_VAR.caption = VAR_ON;
    AZIMUTH(f);
    EXPECT_EQ(f.AZIMUTH_HEADING, -10);
    expectLabelAt("N", 80, 280);

    rig.surface.ops.clear();
    f.CmdButton_VAR.caption = "V:VAR          ON";
    AZIMUTH(f);
    EXPECT_EQ(f.AZIMUTH_HEADING, 0);
    expectLabelAt("N", 80, 270);
}

TEST_F(Azimuth, AHeadingBeyondAFullTurnNeedsNoNormalising) {
    f.HEADING = 365;
    AZIMUTH(f);
    expectLabelAt("N", 80, 265);
    expectLabelAt("S", 80, 85);
}

TEST_F(Azimuth, LeavesWidthOneTransparentFillAndTheLabelFont) {
    rig.surface.pen.lineWidth = 2;
    rig.surface.pen.fillStyle = FillStyle::Solid;
    f.NEWAZIMUTH = true;
    AZIMUTH(f);
    EXPECT_EQ(rig.surface.pen.lineWidth, 1);
    EXPECT_EQ(rig.surface.pen.fillStyle, FillStyle::Transparent);
    EXPECT_EQ(rig.surface.pen.font, (Font{"arial", 12, true, false}));
    EXPECT_FALSE(f.NEWAZIMUTH);
}

TEST_F(Azimuth, ACollapsedWindowDrawsAroundTheCentre) {
    f.AZRADIUS = 0;
    AZIMUTH(f);
    for (const DrawOp& op : opsOf(rig.surface, DrawOp::Line)) {
        EXPECT_LE(std::abs(op.x - f.CENTERX), 150.0f);
        EXPECT_LE(std::abs(op.y - f.CENTERY), 150.0f);
    }
}

} // namespace
