// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/PictureCommands.h"
#include "KeyPress.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The picture commands on a window that takes no bearings, so the cycles they
// run change neither the tables nor the totals.
struct Picture : ::testing::Test {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    void SetUp() override { f.SIMULATE_TIMER = f.DF_TIMER = false; }
};

TEST_F(Picture, SectorSumsOverTheNewWidthOnAClearedSurfaceAndTenPressesComeBackTo4) {
    f.BRG_HIST[100] = 30;
    pressKey(rig, letterKey('S'));
    EXPECT_EQ(f.CmdButton_SECTOR.caption, "S:SECTOR     6 DEG");
    EXPECT_EQ(f.BRG_SUM[97] + f.BRG_SUM[103], 60);
    EXPECT_EQ(f.BRG_SUM[96], 0);
    EXPECT_EQ(std::ranges::count(rig.surface.ops, DrawOp::Clear, &DrawOp::kind), 1);
    EXPECT_TRUE(cycleRan(rig));
    for (int press = 2; press <= 9; ++press)
        pressKey(rig, letterKey('S'));
    EXPECT_EQ(f.CmdButton_SECTOR.caption, "S:SECTOR  108 DEG");
    pressKey(rig, letterKey('S'));
    EXPECT_EQ(f.SECTOR_WIDTH, 4);
    EXPECT_EQ(f.CmdButton_SECTOR.caption, "S:SECTOR     4 DEG");
}

TEST_F(Picture, VarOnAndOffKeepsTheFirstSevenCharactersOfTheHeadingLabel) {
    f.Label_HDG.caption = "GPS 123 TRU";
    pressKey(rig, letterKey('V'));
    EXPECT_EQ(f.CmdButton_VAR.caption, "V:VAR           ON");
    EXPECT_EQ(f.Label_HDG.caption, "GPS 123 MAG");
    f.CmdButton_VAR.caption = "V:VAR"; // neither text: counts as on
    pressKey(rig, letterKey('V'));
    EXPECT_EQ(f.CmdButton_VAR.caption, "V:VAR          OFF");
    EXPECT_EQ(f.Label_HDG.caption, "GPS 123 TRU");
}

TEST_F(Picture, ReduceLowersEveryDegreeByOneRingButNeverBelowZeroAndClearEmptiesAll) {
    f.RINGCOUNT = 5;
    f.BRG_HIST[10] = 3;
    f.BRG_SUM[20] = f.MAXVECTOR = 25;
    f.BRG_SUM[21] = 17;
    pressKey(rig, letterKey('R'));
    EXPECT_EQ(f.BRG_HIST[10], 0);
    EXPECT_EQ(f.BRG_SUM[21], 12);
    EXPECT_EQ(f.MAXVECTOR, 20);
    EXPECT_TRUE(cycleRan(rig));

    f.BRG_HIST[360] = 2;
    f.INCOUNT = 4;
    f.ACQTIME = 12;
    f.Label_SOURCE.caption = "SOURCE : MEM1";
    pressKey(rig, letterKey('C'));
    EXPECT_EQ(f.BRG_HIST[360] + f.BRG_SUM[20] + f.BRG_SUM[21] + f.MAXVECTOR, 0);
    EXPECT_EQ(f.INCOUNT, 0);
    EXPECT_EQ(f.ACQTIME, 0);
    EXPECT_EQ(f.Label_SOURCE.caption, "SOURCE : MEM1");
}

} // namespace
