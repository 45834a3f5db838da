#include "commands/PictureCommands.h"
#include "KeyPress.h"
#include "core/Captions.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The picture commands on a window whose generator is stopped, so the cycles
// they run add no bearings of their own.
struct Picture : ::testing::Test {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    void SetUp() override { f.SIMULATE_TIMER = false; }
    long count(DrawOp::Kind kind) const {
        return std::count_if(rig.surface.ops.begin(), rig.surface.ops.end(),
                             [kind](const DrawOp& op) { return op.kind == kind; });
    }
};

TEST_F(Picture, SectorStepsThroughTheCycleAndTenPressesComeBackTo4) {
    const std::vector<std::pair<int, std::string>> cycle{
        {6, "S:SECTOR     6 DEG"},  {8, "S:SECTOR     8 DEG"},  {12, "S:SECTOR    12 DEG"},
        {18, "S:SECTOR    18 DEG"}, {24, "S:SECTOR    24 DEG"}, {36, "S:SECTOR    36 DEG"},
        {48, "S:SECTOR    48 DEG"}, {72, "S:SECTOR    72 DEG"}, {108, "S:SECTOR  108 DEG"},
        {4, "S:SECTOR     4 DEG"}};
    for (const auto& [width, caption] : cycle) {
        pressKey(rig, letterKey('S'));
        EXPECT_EQ(f.SECTOR_WIDTH, width);
        EXPECT_EQ(f.CmdButton_SECTOR.caption, caption);
    }
}

TEST_F(Picture, SectorSumsTheHistogramAgainOverTheNewWidth) {
    f.BRG_HIST[100] = 30;
    CmdButton_SECTOR_Click(f);
    EXPECT_EQ(f.BRG_SUM[97], 30);
    EXPECT_EQ(f.BRG_SUM[103], 30);
    EXPECT_EQ(f.BRG_SUM[96], 0);
    EXPECT_EQ(f.MAXVECTOR, 30);
}

TEST_F(Picture, SectorClearsTheWholeSurfaceAndDrawsAFreshCycle) {
    CmdButton_SECTOR_Click(f);
    ASSERT_EQ(count(DrawOp::Clear), 1);
    const auto clear = std::find_if(rig.surface.ops.begin(), rig.surface.ops.end(),
                                    [](const DrawOp& op) { return op.kind == DrawOp::Clear; });
    EXPECT_TRUE(std::any_of(clear, rig.surface.ops.end(),
                            [](const DrawOp& op) { return op.kind == DrawOp::Refresh; }));
    EXPECT_EQ(rig.surface.ops.back().kind, DrawOp::Refresh);
    EXPECT_EQ(rig.timer1.enabled(), true);
}

TEST_F(Picture, AWidthOutsideTheCycleChangesNothing) {
    f.SECTOR_WIDTH = 5;
    CmdButton_SECTOR_Click(f);
    EXPECT_EQ(f.SECTOR_WIDTH, 5);
    EXPECT_EQ(f.CmdButton_SECTOR.caption, "S:SECTOR     4 DEG");
    EXPECT_TRUE(rig.surface.ops.empty());
}

TEST_F(Picture, VarOnAndOffKeepsTheFirstSevenCharactersOfTheHeadingLabel) {
    f.Label_HDG.caption = "GPS 123 TRU";
    f.NEWCURSOR = f.NEWAZIMUTH = f.NEWRING = false;
    pressKey(rig, letterKey('V'));
    EXPECT_EQ(f.CmdButton_VAR.caption, VAR_ON);
    EXPECT_EQ(f.Label_HDG.caption, "GPS 123 MAG");
    EXPECT_TRUE(f.NEWCURSOR && f.NEWAZIMUTH && f.NEWRING);
    pressKey(rig, letterKey('V'));
    EXPECT_EQ(f.CmdButton_VAR.caption, VAR_OFF);
    EXPECT_EQ(f.Label_HDG.caption, "GPS 123 TRU");
    EXPECT_TRUE(rig.surface.ops.empty());
}

TEST_F(Picture, VarWithAnUnknownCaptionSwitchesOff) {
    f.CmdButton_VAR.caption = "V:VAR";
    CmdButton_VAR_Click(f);
    EXPECT_EQ(f.CmdButton_VAR.caption, VAR_OFF);
    EXPECT_EQ(f.Label_HDG.caption, "MAN 000 TRU");
}

TEST_F(Picture, ClearEmptiesTheTablesButLeavesTheLabelsToTheCycle) {
    f.BRG_HIST[0] = 9;
    f.BRG_HIST[1] = 2;
    f.BRG_HIST[360] = 3;
    f.BRG_SUM[180] = 5;
    f.MAXVECTOR = 5;
    f.INCOUNT = 4;
    f.ACQTIME = 12;
    f.DF_TIMER = false;
    f.Label_SOURCE.caption = "SOURCE : MEM1";
    f.Label_TOTAL_BRG.caption = "TOTAL BRG : 0004";
    pressKey(rig, letterKey('C'));
    EXPECT_EQ(f.BRG_HIST[1], 0);
    EXPECT_EQ(f.BRG_HIST[360], 0);
    EXPECT_EQ(f.BRG_SUM[180], 0);
    EXPECT_EQ(f.BRG_HIST[0], 9);
    EXPECT_EQ(f.MAXVECTOR, 0);
    EXPECT_EQ(f.INCOUNT, 0);
    EXPECT_EQ(f.ACQTIME, 0);
    EXPECT_TRUE(f.NEWVECTOR);
    EXPECT_EQ(f.Label_SOURCE.caption, "SOURCE : MEM1");
    EXPECT_EQ(f.Label_TOTAL_BRG.caption, "TOTAL BRG : 0004");
    EXPECT_EQ(rig.surface.ops.back().kind, DrawOp::Refresh);
}

TEST_F(Picture, ReduceLowersEveryDegreeByOneRingAndNeverBelowZero) {
    f.RINGCOUNT = 5;
    f.BRG_HIST[0] = 1;
    f.BRG_HIST[10] = 3;
    f.BRG_HIST[20] = 12.5f;
    f.BRG_SUM[0] = 1;
    f.BRG_SUM[10] = 4;
    f.BRG_SUM[20] = 25;
    f.BRG_SUM[21] = 17;
    f.MAXVECTOR = 25;
    pressKey(rig, letterKey('R'));
    EXPECT_EQ(f.BRG_HIST[10], 0);
    EXPECT_EQ(f.BRG_HIST[20], 7.5f);
    EXPECT_EQ(f.BRG_SUM[10], 0);
    EXPECT_EQ(f.BRG_SUM[20], 20);
    EXPECT_EQ(f.BRG_SUM[21], 12);
    EXPECT_EQ(f.BRG_HIST[0], 1);
    EXPECT_EQ(f.BRG_SUM[0], 1);
    EXPECT_EQ(f.MAXVECTOR, 20);
    for (int d = 1; d <= 360; ++d) {
        EXPECT_GE(f.BRG_HIST[d], 0) << d;
        EXPECT_GE(f.BRG_SUM[d], 0) << d;
    }
    EXPECT_EQ(rig.surface.ops.back().kind, DrawOp::Refresh);
}

TEST_F(Picture, ReduceOfAnEmptyPictureLeavesItEmpty) {
    f.RINGCOUNT = 1;
    f.MAXVECTOR = 3;
    CmdButton_REDUCE_Click(f);
    CmdButton_REDUCE_Click(f);
    EXPECT_EQ(f.MAXVECTOR, 0);
    EXPECT_EQ(f.BRG_SUM[1], 0);
}

} // namespace
