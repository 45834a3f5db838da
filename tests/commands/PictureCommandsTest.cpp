// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/PictureCommands.h"
#include "support/TestRig.h"

namespace {

// The picture commands on a window that takes no bearings, so the cycles they
// run change neither the tables nor the totals.
struct Picture : OnWindow {
    void SetUp() override { f.SIMULATE_TIMER = f.DF_TIMER = false; }
};

// Each press sums over the next width, half of it on either side, on a cleared
// surface; ten come back to 4.
TEST_F(Picture, SectorStepsThroughTheWidthsAndSumsOverEach) {
    const std::pair<Integer, const char*> widths[] = {
        {6, "S:SECTOR     6 DEG"},  {8, "S:SECTOR     8 DEG"},  {12, "S:SECTOR    12 DEG"},
        {18, "S:SECTOR    18 DEG"}, {24, "S:SECTOR    24 DEG"}, {36, "S:SECTOR    36 DEG"},
        {48, "S:SECTOR    48 DEG"}, {72, "S:SECTOR    72 DEG"}, {108, "S:SECTOR  108 DEG"},
        {4, "S:SECTOR     4 DEG"}};
    f.BRG_HIST[100] = 30;
    for (const auto& [width, caption] : widths) {
        rig.surface.ops.clear();
        pressKey(rig, letterKey('S'));
        EXPECT_EQ((std::pair{f.SECTOR_WIDTH, f.CmdButton_SECTOR.caption}),
                  (std::pair{width, std::string(caption)}));
        EXPECT_EQ((std::array{f.BRG_SUM[99 - width / 2], f.BRG_SUM[100 - width / 2],
                              f.BRG_SUM[100 + width / 2], f.BRG_SUM[101 + width / 2]}),
                  (std::array<Single, 4>{0, 30, 30, 0}));
        EXPECT_TRUE(std::ranges::count(rig.surface.ops, DrawOp::Clear, &DrawOp::kind) == 1 &&
                    cycleRan(rig));
    }
}

TEST_F(Picture, VarOnAndOffKeepsTheFirstSevenCharactersOfTheHeadingLabel) {
    f.Label_HDG.caption = "GPS 123 TRU";
    for (const auto& [var, label] : {std::pair{VAR_ON, "GPS 123 MAG"}, {VAR_OFF, "GPS 123 TRU"}}) {
        pressKey(rig, letterKey('V'));
        EXPECT_EQ((std::pair{f.CmdButton_VAR.caption, f.Label_HDG.caption}),
                  (std::pair<std::string, std::string>{var, label}));
    }
}

TEST_F(Picture, ReduceLowersEveryDegreeByOneRingButNeverBelowZeroAndClearEmptiesAll) {
    f.RINGCOUNT = 5;
    f.BRG_HIST[10] = 3;
    f.BRG_SUM[20] = f.MAXVECTOR = 25;
    f.BRG_SUM[21] = 17;
    pressKey(rig, letterKey('R'));
    EXPECT_EQ((std::array{f.BRG_HIST[10], f.BRG_SUM[21], f.MAXVECTOR}),
              (std::array<Single, 3>{0, 12, 20}));
    EXPECT_TRUE(cycleRan(rig));
    f.BRG_HIST[360] = 2;
    f.INCOUNT = 4;
    f.ACQTIME = 12;
    f.Label_SOURCE.caption = "SOURCE : MEM1";
    pressKey(rig, letterKey('C'));
    EXPECT_EQ(f.BRG_HIST[360] + f.BRG_SUM[20] + f.BRG_SUM[21] + f.MAXVECTOR + f.ACQTIME, 0);
    EXPECT_EQ((std::pair{f.INCOUNT, f.Label_SOURCE.caption}),
              (std::pair<std::int32_t, std::string>{0, "SOURCE : MEM1"}));
}

} // namespace
