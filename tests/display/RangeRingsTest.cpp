#include "display/RangeRings.h"

#include "DisplayFixture.h"

#include <string>

namespace {

struct RingsRow {
    Single maxVector;
    Integer ringCount;
    std::string label;
};

class RingCount : public OnDesignWindow, public ::testing::WithParamInterface<RingsRow> {};

// The rings drawn after the azimuth disk: circles in the ring colour.
std::vector<DrawOp> ringsOf(const TestRig& rig) {
    std::vector<DrawOp> rings;
    for (const DrawOp& op : opsOf(rig.surface, DrawOp::Circle))
        if (op.pen.foreColour == rig.settings.colour(ColourSlot::RangeRings)) rings.push_back(op);
    return rings;
}

TEST_P(RingCount, FollowsThePeakSumRoundedHalfToEven) {
    const RingsRow row = GetParam();
    f.MAXVECTOR = row.maxVector;
    RANGE_RINGS(f);
    EXPECT_EQ(f.RINGCOUNT, row.ringCount);
    EXPECT_EQ(f.OLDRINGCOUNT, row.ringCount);
    EXPECT_TRUE(f.NEWVECTOR);
    EXPECT_EQ(f.Label_RANGE.caption, row.label);

    const auto rings = ringsOf(rig);
    ASSERT_EQ(rings.size(), static_cast<std::size_t>(row.ringCount - 1));
    for (std::size_t i = 0; i < rings.size(); ++i) {
        const double ring = static_cast<double>(i + 1);
        EXPECT_NEAR(rings[i].radius, 2718.0 * ring / row.ringCount, 1e-3);
        EXPECT_EQ(rings[i].x, 4890.0f);
        EXPECT_EQ(rings[i].y, 3647.5f);
        EXPECT_EQ(rings[i].pen.lineWidth, 2);
        EXPECT_EQ(rings[i].pen.fillStyle, FillStyle::Transparent);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, RingCount,
    ::testing::Values(RingsRow{0, 1, "RANGE  10 BRGS"}, RingsRow{4.9f, 1, "RANGE  10 BRGS"},
                      RingsRow{5, 1, "RANGE  10 BRGS"}, RingsRow{5.1f, 2, "RANGE  20 BRGS"},
                      RingsRow{15, 3, "RANGE  30 BRGS"}, RingsRow{25, 3, "RANGE  30 BRGS"},
                      RingsRow{35, 5, "RANGE  50 BRGS"}, RingsRow{123.4f, 13, "RANGE  130 BRGS"}));

struct Rings : OnDesignWindow {
    // Three rings drawn for a peak of 15; then the surface and the flags are
    // clean for what the test looks at.
    void drawnForFifteen() {
        f.MAXVECTOR = 15;
        RANGE_RINGS(f);
        rig.surface.ops.clear();
        f.NEWVECTOR = false;
        f.NEWAZIMUTH = false;
    }
};

TEST_F(Rings, RepaintTheAzimuthDiskBeforeTheRingsAndLeaveWidthOne) {
    f.MAXVECTOR = 25;
    f.NEWAZIMUTH = false;
    RANGE_RINGS(f);
    const auto& ops = rig.surface.ops;
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops.front().kind, DrawOp::Circle);
    EXPECT_EQ(ops.front().pen.fillStyle, FillStyle::Solid);
    EXPECT_EQ(ops.back().pen.foreColour, rig.settings.colour(ColourSlot::RangeRings));
    EXPECT_FALSE(f.NEWAZIMUTH);
    EXPECT_EQ(rig.surface.pen.lineWidth, 1);
}

TEST_F(Rings, AnUnchangedCountDrawsNothingAndTouchesNothing) {
    drawnForFifteen();
    f.Label_RANGE.caption = "untouched";
    f.MAXVECTOR = 24.9f;
    RANGE_RINGS(f);
    EXPECT_TRUE(rig.surface.ops.empty());
    EXPECT_FALSE(f.NEWVECTOR);
    EXPECT_FALSE(f.NEWAZIMUTH);
    EXPECT_EQ(f.Label_RANGE.caption, "untouched");
}

TEST_F(Rings, ARequestedRedrawKeepsTheCountForOneCycleAndLeavesTheVectorsAlone) {
    drawnForFifteen();
    f.NEWRING = true;
    f.MAXVECTOR = 45;
    RANGE_RINGS(f);
    EXPECT_EQ(f.RINGCOUNT, 3);
    EXPECT_EQ(ringsOf(rig).size(), 2u);
    EXPECT_EQ(f.Label_RANGE.caption, "RANGE  30 BRGS");
    EXPECT_FALSE(f.NEWVECTOR);
    EXPECT_FALSE(f.NEWRING);

    RANGE_RINGS(f);
    EXPECT_EQ(f.RINGCOUNT, 5);
    EXPECT_TRUE(f.NEWVECTOR);
    EXPECT_EQ(f.Label_RANGE.caption, "RANGE  50 BRGS");
}

TEST_F(Rings, TheLabelReadsRightBeyondWhatSixteenBitsHold) {
    f.MAXVECTOR = 40000;
    RANGE_RINGS(f);
    EXPECT_EQ(f.RINGCOUNT, 4001);
    EXPECT_EQ(f.Label_RANGE.caption, "RANGE  40010 BRGS");
}

TEST_F(Rings, APeakBeyondTheLargestCountKeepsTheLargestCount) {
    f.AZRADIUS = 10;
    f.MAXVECTOR = 1e9f;
    RANGE_RINGS(f);
    EXPECT_EQ(f.RINGCOUNT, 32767);
    EXPECT_EQ(f.Label_RANGE.caption, "RANGE  327670 BRGS");
}

} // namespace
