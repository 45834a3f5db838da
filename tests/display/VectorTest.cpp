#include "display/Vector.h"

#include "DisplayFixture.h"
#include "core/Captions.h"

namespace {

struct Vector : OnDesignWindow {
    void SetUp() override {
        OnDesignWindow::SetUp();
        f.RINGCOUNT = 1;
        f.NEWVECTOR = true;
    }
    // The spoke for degree i (the spokes are drawn for 1..360 in order).
    DrawOp spoke(int i) const {
        const auto lines = opsOf(rig.surface, DrawOp::Line);
        EXPECT_EQ(lines.size(), 360u);
        return lines.at(static_cast<std::size_t>(i - 1));
    }
};

TEST_F(Vector, DrawsThreeHundredSixtySpokesFromTheCentreInTheVectorsColour) {
    rig.settings.colours[6] = 0x0A0B0C;
    for (int i = 0; i <= 360; ++i)
        f.BRG_SUM[i] = 1;
    VECTOR(f);
    const auto lines = opsOf(rig.surface, DrawOp::Line);
    ASSERT_EQ(lines.size(), 360u);
    ASSERT_EQ(rig.surface.ops.size(), 360u);
    for (const DrawOp& line : lines) {
        EXPECT_EQ(line.x, 4890.0f);
        EXPECT_EQ(line.y, 3647.5f);
        EXPECT_EQ(line.pen.foreColour, 0x0A0B0Cu);
        EXPECT_NEAR(std::hypot(line.dx, line.dy), 271.8, 1.5);
    }
    EXPECT_TRUE(f.NEWVECTOR);
}

TEST_F(Vector, HeadingZeroPutsEastRightAndNorthUp) {
    f.BRG_SUM[90] = 1;
    f.BRG_SUM[360] = 1;
    VECTOR(f);
    EXPECT_EQ(f.VECTOR_HEADING, 90);
    EXPECT_EQ(spoke(90).dx, 271.0f);
    EXPECT_EQ(spoke(90).dy, 0.0f);
    EXPECT_EQ(spoke(360).dx, 0.0f);
    EXPECT_EQ(spoke(360).dy, -271.0f);
    EXPECT_EQ(spoke(180).dx, 0.0f);
    EXPECT_EQ(spoke(180).dy, 0.0f);
}

TEST_F(Vector, HeadingFortyFivePutsDegreeFortyFiveUp) {
    f.HEADING = 45;
    f.BRG_SUM[45] = 10;
    VECTOR(f);
    EXPECT_EQ(f.VECTOR_HEADING, 135);
    EXPECT_EQ(spoke(45).dx, 0.0f);
    EXPECT_EQ(spoke(45).dy, -2718.0f);
}

TEST_F(Vector, VariationTurnsTheSpokesOnlyWhileVarIsOn) {
    f.HEADING_CORRECTION = 10;
    f.BRG_SUM[350] = 10;
    f.CmdButton_VAR.caption = VAR_ON;
    VECTOR(f);
    EXPECT_EQ(f.VECTOR_HEADING, 80);
    EXPECT_EQ(spoke(350).dx, 0.0f);
    EXPECT_EQ(spoke(350).dy, -2718.0f);

    rig.surface.ops.clear();
    f.CmdButton_VAR.caption = VAR_OFF;
    VECTOR(f);
    EXPECT_EQ(f.VECTOR_HEADING, 90);
    EXPECT_LT(spoke(350).dx, -400.0f);
}

// 271.8 twips per unit at one ring: both components lose their fraction
// toward zero, so the westward spoke ends at -271, not -272.
TEST_F(Vector, ComponentsAreTruncatedTowardZeroOnBothSides) {
    f.BRG_SUM[90] = 1;
    f.BRG_SUM[270] = 1;
    VECTOR(f);
    EXPECT_EQ(spoke(90).dx, 271.0f);
    EXPECT_EQ(spoke(270).dx, -271.0f);
    EXPECT_EQ(spoke(270).dy, 0.0f);
}

// With 11 rings the exact length of a 55-unit spoke is 2718 x 55 / 110 =
// 1359, but 0.1 / 11 held in 32 bits is a hair short and every later 32-bit
// step keeps it short, so the spoke truncates to 1358. Double arithmetic
// would give 1359.
TEST_F(Vector, EachStepIsRoundedToThirtyTwoBitsBeforeTheTruncation) {
    f.RINGCOUNT = 11;
    f.BRG_SUM[90] = 55;
    f.BRG_SUM[360] = 55;
    VECTOR(f);
    EXPECT_EQ(spoke(90).dx, 1358.0f);
    EXPECT_EQ(spoke(360).dy, -1358.0f);
}

TEST_F(Vector, EmptyTablesGiveZeroLengthSpokesAndCellZeroIsNeverDrawn) {
    f.BRG_SUM[0] = 50;
    VECTOR(f);
    for (int i = 1; i <= 360; ++i) {
        EXPECT_EQ(spoke(i).dx, 0.0f) << i;
        EXPECT_EQ(spoke(i).dy, 0.0f) << i;
    }
}

} // namespace
