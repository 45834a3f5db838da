#include "core/BearingIntake.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct BearingIntake : ::testing::Test {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    void SetUp() override { f.SIMULATE_TIMER = false; }
    // The cells of BRG_SUM that hold weight.
    std::vector<int> filledCells() const {
        std::vector<int> cells;
        for (int d = 1; d <= 360; ++d)
            if (f.BRG_SUM[d] != 0) cells.push_back(d);
        return cells;
    }
};

TEST_F(BearingIntake, TheSectorWrapsAtBothEndsOfTheTable) {
    takeInBearing(f, 1, 0, 0);
    EXPECT_EQ(filledCells(), (std::vector<int>{1, 2, 3, 359, 360}));
    f.BRG_SUM = {};
    takeInBearing(f, 360, 0, 0);
    EXPECT_EQ(filledCells(), (std::vector<int>{1, 2, 358, 359, 360}));
}

TEST_F(BearingIntake, TheWidestSectorCovers109Cells) {
    f.SECTOR_WIDTH = 108;
    takeInBearing(f, 180, 0, 0);
    const std::vector<int> cells = filledCells();
    ASSERT_EQ(cells.size(), 109u);
    EXPECT_EQ(cells.front(), 126);
    EXPECT_EQ(cells.back(), 234);
    f.BRG_SUM = {};
    takeInBearing(f, 1, 0, 0);
    EXPECT_EQ(filledCells().size(), 109u);
    EXPECT_EQ(f.BRG_SUM[55], 1);
    EXPECT_EQ(f.BRG_SUM[56], 0);
    EXPECT_EQ(f.BRG_SUM[307], 1);
    EXPECT_EQ(f.BRG_SUM[306], 0);
}

TEST_F(BearingIntake, MaxvectorFollowsThePeakOfTheSums) {
    takeInBearing(f, 100, 0, 0);
    takeInBearing(f, 102, 0, 0);
    EXPECT_EQ(f.MAXVECTOR, 2);
    takeInBearing(f, 101, 0, 0);
    EXPECT_EQ(f.MAXVECTOR, 3);
    EXPECT_EQ(f.BRG_SUM[101], 3);
    // MAXVECTOR is only ever raised by an intake.
    f.MAXVECTOR = 50;
    takeInBearing(f, 200, 0, 0);
    EXPECT_EQ(f.MAXVECTOR, 50);
}

TEST(LastBearingText, ShowsThreeDigitsForWholeBearingsAndTheLastCharactersOfOthers) {
    EXPECT_EQ(lastBearingText(0), "LAST BRG : 000");
    EXPECT_EQ(lastBearingText(7), "LAST BRG : 007");
    EXPECT_EQ(lastBearingText(9), "LAST BRG : 009");
    EXPECT_EQ(lastBearingText(10), "LAST BRG : 010");
    EXPECT_EQ(lastBearingText(99), "LAST BRG : 099");
    EXPECT_EQ(lastBearingText(100), "LAST BRG : 100");
    EXPECT_EQ(lastBearingText(359), "LAST BRG : 359");
    EXPECT_EQ(lastBearingText(720), "LAST BRG : 720");
    // Other values keep the last characters of their text.
    EXPECT_EQ(lastBearingText(4.5f), "LAST BRG : 005");
    EXPECT_EQ(lastBearingText(-5), "LAST BRG : 005");
    EXPECT_EQ(lastBearingText(-45), "LAST BRG : 005");
    EXPECT_EQ(lastBearingText(12.5f), "LAST BRG : 0.5");
}

TEST(TotalBearingText, GrowsFromFourDigitsToABlankAndTheWholeNumber) {
    EXPECT_EQ(totalBearingText(1), "TOTAL BRG : 0001");
    EXPECT_EQ(totalBearingText(9), "TOTAL BRG : 0009");
    EXPECT_EQ(totalBearingText(10), "TOTAL BRG : 0010");
    EXPECT_EQ(totalBearingText(99), "TOTAL BRG : 0099");
    EXPECT_EQ(totalBearingText(100), "TOTAL BRG : 0100");
    EXPECT_EQ(totalBearingText(999), "TOTAL BRG : 0999");
    EXPECT_EQ(totalBearingText(1000), "TOTAL BRG :  1000");
    EXPECT_EQ(totalBearingText(32767), "TOTAL BRG :  32767");
    EXPECT_EQ(totalBearingText(32768), "TOTAL BRG :  32768");
}

TEST_F(BearingIntake, TheThousandthBearingWidensTheCounter) {
    f.INCOUNT = 998;
    takeInBearing(f, 10, 0, 0);
    EXPECT_EQ(f.Label_TOTAL_BRG.caption, "TOTAL BRG : 0999");
    takeInBearing(f, 10, 0, 0);
    EXPECT_EQ(f.Label_TOTAL_BRG.caption, "TOTAL BRG :  1000");
}

TEST_F(BearingIntake, TheCountNeverWrapsNegative) {
    f.INCOUNT = 32767;
    takeInBearing(f, 10, 0, 0);
    EXPECT_EQ(f.INCOUNT, 32768);
    EXPECT_EQ(f.Label_TOTAL_BRG.caption, "TOTAL BRG :  32768");
    f.INCOUNT = std::numeric_limits<std::int32_t>::max();
    takeInBearing(f, 10, 0, 0);
    EXPECT_EQ(f.INCOUNT, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(f.Label_TOTAL_BRG.caption, "TOTAL BRG :  2147483647");
}

} // namespace
