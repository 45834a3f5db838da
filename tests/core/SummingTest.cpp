// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Summing.h"
#include "core/BearingIntake.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

namespace {

struct Summing : ::testing::Test {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    void SetUp() override { f.SIMULATE_TIMER = false; }
};

// The cycle sums on request. Sums and a peak left from before play no part,
// and cell 0 is neither read nor written.
TEST_F(Summing, NorthSpreadsAcrossTheWrapInAFourDegreeSector) {
    f.BRG_HIST[360] = 1;
    f.BRG_HIST[0] = 99;
    f.BRG_SUM.fill(3);
    f.MAXVECTOR = 40;
    f.NEWSECTOR = true;
    rig.timer1.fire();
    EXPECT_EQ(f.BRG_SUM[0], 3);
    for (int d = 1; d <= 360; ++d)
        EXPECT_EQ(f.BRG_SUM[d], d >= 358 || d <= 2 ? 1 : 0) << "cell " << d;
    EXPECT_EQ(f.MAXVECTOR, 1);
    EXPECT_FALSE(f.NEWSECTOR);
}

TEST_F(Summing, TheWidestSectorSumsOver109Cells) {
    f.SECTOR_WIDTH = 108;
    f.BRG_HIST[180] = 2.5f;
    SUMMING(f);
    for (int d = 1; d <= 360; ++d)
        EXPECT_EQ(f.BRG_SUM[d], d >= 126 && d <= 234 ? 2.5f : 0) << "cell " << d;
    EXPECT_EQ(f.MAXVECTOR, 2.5f);
}

// Bearings taken in one by one leave exactly the sums and the peak that a full
// recomputation finds, for every sector width and across north.
TEST_F(Summing, FullRecomputationEqualsTheIncrementalUpdates) {
    for (const int width : {4, 6, 8, 12, 18, 24, 36, 48, 72, 108}) {
        f.BRG_HIST = {};
        f.BRG_SUM = {};
        f.MAXVECTOR = 0;
        f.SECTOR_WIDTH = static_cast<Integer>(width);
        for (int i = 0; i < 2000; ++i)
            takeInBearing(f, 1 + (i * i) % 360, 0, 0);
        const auto incremental = f.BRG_SUM;
        const Single peak = f.MAXVECTOR;
        SUMMING(f);
        EXPECT_EQ(f.BRG_SUM, incremental) << "width " << width;
        EXPECT_EQ(f.MAXVECTOR, peak) << "width " << width;
    }
}

} // namespace
