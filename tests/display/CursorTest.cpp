#include "display/Cursor.h"

#include "DisplayFixture.h"
#include "core/Captions.h"

namespace {

constexpr float NEAR = NEAR_TWIPS;

struct Cursor : OnDesignWindow {
    // The dotted line and the marker of the latest call.
    std::pair<DrawOp, DrawOp> drawn() const {
        const auto& ops = rig.surface.ops;
        EXPECT_GE(ops.size(), 4u);
        return {ops[ops.size() - 2], ops[ops.size() - 1]};
    }
    // Expects the cursor along screen offset (ux, uy), y up, of unit length.
    void expectPointing(double ux, double uy) const {
        const auto [line, marker] = drawn();
        EXPECT_EQ(line.x, f.CENTERX);
        EXPECT_EQ(line.y, f.CENTERY);
        EXPECT_NEAR(line.dx, 2718 * ux, NEAR);
        EXPECT_NEAR(line.dy, -2718 * uy, NEAR);
        EXPECT_NEAR(marker.x, f.CENTERX + 2968 * ux, NEAR);
        EXPECT_NEAR(marker.y, f.CENTERY - 2968 * uy, NEAR);
    }
};

TEST_F(Cursor, DrawsADottedLineToTheCircleAndASolidMarkerBeyondTheScale) {
    rig.settings.colours[7] = 0xABCDEF;
    CURSOR(f);
    const auto [line, marker] = drawn();
    EXPECT_EQ(line.kind, DrawOp::Line);
    EXPECT_EQ(line.pen.lineStyle, LineStyle::Dotted);
    EXPECT_EQ(line.pen.lineWidth, 1);
    EXPECT_EQ(line.pen.foreColour, 0xABCDEFu);
    EXPECT_EQ(marker.kind, DrawOp::Circle);
    EXPECT_EQ(marker.radius, 50.0f);
    EXPECT_EQ(marker.pen.lineStyle, LineStyle::Solid);
    EXPECT_EQ(marker.pen.foreColour, 0xABCDEFu);
    EXPECT_EQ(rig.surface.pen.lineStyle, LineStyle::Solid);
}

TEST_F(Cursor, PointsWhereTheBearingLiesOnTheHeadingUpDisplay) {
    CURSOR(f);
    expectPointing(0, 1);
    f.CURSOR_BEARING = 90;
    CURSOR(f);
    expectPointing(1, 0);
    f.HEADING = 90;
    CURSOR(f);
    expectPointing(0, 1);
    f.CURSOR_BEARING = 0;
    CURSOR(f);
    expectPointing(-1, 0);
}

TEST_F(Cursor, VariationTurnsTheCursorOnlyWhileVarIsOn) {
    f.HEADING_CORRECTION = 10;
    f.CURSOR_BEARING = 350;
    f.CmdButton_VAR.caption = VAR_ON;
    CURSOR(f);
    expectPointing(0, 1);
    f.CmdButton_VAR.caption = VAR_OFF;
    CURSOR(f);
    const auto [line, marker] = drawn();
    EXPECT_LT(line.dx, -400.0f);
}

TEST_F(Cursor, ErasesExactlyWhatTheLastCallDrew) {
    rig.settings.colours[0] = 0x010101;
    rig.settings.colours[3] = 0x030303;
    f.CURSOR_BEARING = 30;
    CURSOR(f);
    const auto [oldLine, oldMarker] = drawn();
    rig.surface.ops.clear();
    f.CURSOR_BEARING = 31;
    CURSOR(f);
    const auto& ops = rig.surface.ops;
    ASSERT_EQ(ops.size(), 4u);
    EXPECT_EQ(ops[0].kind, DrawOp::Line);
    EXPECT_EQ(ops[0].pen.foreColour, 0x030303u);
    EXPECT_EQ(ops[0].pen.lineStyle, LineStyle::Solid);
    EXPECT_EQ(ops[0].x, oldLine.x);
    EXPECT_EQ(ops[0].y, oldLine.y);
    EXPECT_EQ(ops[0].dx, oldLine.dx);
    EXPECT_EQ(ops[0].dy, oldLine.dy);
    EXPECT_EQ(ops[1].kind, DrawOp::Circle);
    EXPECT_EQ(ops[1].pen.foreColour, 0x010101u);
    EXPECT_EQ(ops[1].pen.fillStyle, FillStyle::Transparent);
    EXPECT_EQ(ops[1].x, oldMarker.x);
    EXPECT_EQ(ops[1].y, oldMarker.y);
    EXPECT_EQ(ops[1].radius, 50.0f);
    EXPECT_NE(ops[2].dx, oldLine.dx);
}

TEST_F(Cursor, TheFirstCallErasesAtTheWindowCorner) {
    CURSOR(f);
    const auto& ops = rig.surface.ops;
    EXPECT_EQ(ops[0].dx, 0.0f);
    EXPECT_EQ(ops[0].dy, 0.0f);
    EXPECT_EQ(ops[1].x, 0.0f);
    EXPECT_EQ(ops[1].y, 0.0f);
}

TEST_F(Cursor, TheLabelShowsThreeDigitsAndTrueEvenWithVar) {
    for (const auto& [bearing, text] : {std::pair{0, "CURSOR 000 TRU"},
                                        {7, "CURSOR 007 TRU"},
                                        {45, "CURSOR 045 TRU"},
                                        {123, "CURSOR 123 TRU"}}) {
        f.CURSOR_BEARING = static_cast<Integer>(bearing);
        CURSOR(f);
        EXPECT_EQ(f.Label_CURSOR.caption, text);
    }
    f.CmdButton_VAR.caption = VAR_ON;
    CURSOR(f);
    EXPECT_EQ(f.Label_CURSOR.caption, "CURSOR 123 TRU");
}

TEST_F(Cursor, PlacingTheLineUsesThePresentRadiusAndLeavesTheMarker) {
    f.CURSOR_BEARING = 90;
    f.CIRX = 11;
    f.CIRY = 22;
    f.AZRADIUS = 1000;
    placeCursorLine(f);
    EXPECT_NEAR(f.CURSX, 1000, NEAR);
    EXPECT_NEAR(f.CURSY, 0, NEAR);
    EXPECT_EQ(f.CIRX, 11.0f);
    EXPECT_EQ(f.CIRY, 22.0f);
    EXPECT_TRUE(rig.surface.ops.empty());
}

} // namespace
