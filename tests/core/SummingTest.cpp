#include "core/Summing.h"
#include "core/BearingIntake.h"
#include "core/Numbers.h"
#include "core/Timers.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

namespace {

constexpr Integer SECTOR_WIDTHS[] = {4, 6, 8, 12, 18, 24, 36, 48, 72, 108};

struct Summing : ::testing::Test {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    void SetUp() override { f.SIMULATE_TIMER = false; }
};

TEST_F(Summing, NorthSpreadsAcrossTheWrap) {
    f.BRG_HIST[360] = 1;
    f.NEWSECTOR = true;
    SUMMING(f);
    for (int d = 1; d <= 360; ++d) {
        const bool inSector = d == 358 || d == 359 || d == 360 || d == 1 || d == 2;
        EXPECT_EQ(f.BRG_SUM[d], inSector ? 1 : 0) << "cell " << d;
    }
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

TEST_F(Summing, AnEmptyHistogramClearsOldSumsAndThePeak) {
    f.BRG_SUM.fill(3);
    f.MAXVECTOR = 40;
    SUMMING(f);
    for (int d = 1; d <= 360; ++d)
        EXPECT_EQ(f.BRG_SUM[d], 0);
    EXPECT_EQ(f.MAXVECTOR, 0);
}

TEST_F(Summing, CellZeroIsNeitherReadNorWritten) {
    f.BRG_HIST[0] = 99;
    f.BRG_SUM[0] = 77;
    f.BRG_HIST[10] = 1;
    SUMMING(f);
    EXPECT_EQ(f.BRG_SUM[0], 77);
    EXPECT_EQ(f.MAXVECTOR, 1);
    EXPECT_EQ(f.BRG_SUM[360], 0);
}

// Bearings taken in one by one leave exactly the sums a full recomputation
// finds, for every sector width and right across north.
TEST_F(Summing, FullRecomputationEqualsTheIncrementalUpdates) {
    for (const Integer width : SECTOR_WIDTHS) {
        f.BRG_HIST = {};
        f.BRG_SUM = {};
        f.MAXVECTOR = 0;
        f.SECTOR_WIDTH = width;
        unsigned state = 12345;
        for (int i = 0; i < 3000; ++i) {
            state = state * 1103515245u + 12345u;
            const int spread = static_cast<int>((state >> 16) % 41) - 20;
            takeInBearing(f, sectorWrap(i % 3 == 0 ? 360 + spread : 180 + spread * 9), 0, 0);
        }
        const auto incremental = f.BRG_SUM;
        const Single peak = f.MAXVECTOR;
        SUMMING(f);
        EXPECT_EQ(f.BRG_SUM, incremental) << "width " << width;
        EXPECT_EQ(f.MAXVECTOR, peak) << "width " << width;
    }
}

TEST_F(Summing, AfterADecayStepRecomputingGivesTheScaledSums) {
    f.SECTOR_WIDTH = 36;
    for (int i = 0; i < 500; ++i)
        takeInBearing(f, 1 + (i * 37) % 360, 0, 0);
    f.DECAY_TIMER = true;
    f.DECAY_TIME = f.now() - 10;
    TIMERS(f);
    ASSERT_LT(f.BRG_HIST[1], 2); // the decay step has run
    const auto scaled = f.BRG_SUM;
    const Single scaledPeak = f.MAXVECTOR;
    SUMMING(f);
    for (int d = 1; d <= 360; ++d)
        EXPECT_NEAR(f.BRG_SUM[d], scaled[d], 1e-4 * scaled[d]) << "cell " << d;
    EXPECT_NEAR(f.MAXVECTOR, scaledPeak, 1e-4 * scaledPeak);
}

TEST_F(Summing, TheCycleRecomputesOnlyOnRequest) {
    f.BRG_HIST[50] = 2;
    rig.timer1.fire();
    EXPECT_EQ(f.BRG_SUM[50], 0);
    f.NEWSECTOR = true;
    rig.timer1.fire();
    EXPECT_EQ(f.BRG_SUM[50], 2);
    EXPECT_EQ(f.MAXVECTOR, 2);
    EXPECT_FALSE(f.NEWSECTOR);
}

} // namespace
