#include "core/Simulate.h"
#include "core/Captions.h"
#include "core/Numbers.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

namespace {

// Distance between two bearings around the circle, 0..180.
int circularDistance(int a, int b) {
    const int d = std::abs(a - b) % 360;
    return std::min(d, 360 - d);
}

int mostFrequent(const std::array<Integer, 5001>& table) {
    std::array<int, 360> counts{};
    for (int i = 1; i <= 5000; ++i)
        ++counts[static_cast<std::size_t>(table[i])];
    return static_cast<int>(std::max_element(counts.begin(), counts.end()) - counts.begin());
}

TEST(SimulatedTable, IsTheSameAtEveryStartAndHoldsWholeDegrees) {
    TestRig first;
    TestRig second;
    EXPECT_EQ(first.f.SIMULATE_BRG, second.f.SIMULATE_BRG);
    EXPECT_EQ(first.f.SIMULATE_BRG[0], 0);
    for (int i = 1; i <= 5000; ++i) {
        EXPECT_GE(first.f.SIMULATE_BRG[i], 0) << i;
        EXPECT_LE(first.f.SIMULATE_BRG[i], 359) << i;
    }
    EXPECT_EQ(first.f.SIMULATE_COUNT, 0);
}

// About a quarter of the bearings lie within 10 degrees of the centre and
// about 40 % within 36 degrees; the rest spread around the whole circle, as
// many on either side. The offsets 359 * r^2.5 fall within 10 degrees for
// r < (11/359)^0.4 (24.8 %) and within 36 for r < (37/359)^0.4 (40.3 %); the
// largest offsets come round to the centre from its other side and add 1.0 %
// and 4.0 % to what the picture shows.
TEST(SimulatedTable, ClustersAroundOneDirectionAsDescribed) {
    TestRig rig;
    const auto& table = rig.f.SIMULATE_BRG;
    const int centre = mostFrequent(table);
    int within10 = 0, within36 = 0, atCentre = 0, clockwise = 0, anticlockwise = 0;
    std::set<int> distinct;
    for (int i = 1; i <= 5000; ++i) {
        const int v = table[i];
        const int distance = circularDistance(v, centre);
        within10 += distance <= 10;
        within36 += distance <= 36;
        atCentre += distance == 0;
        if (distance != 0 && distance < 180)
            ((v - centre + 360) % 360 < 180 ? clockwise : anticlockwise)++;
        distinct.insert(v);
    }
    EXPECT_NEAR(within10 / 5000.0, 0.258, 0.025);
    EXPECT_NEAR(within36 / 5000.0, 0.443, 0.025);
    EXPECT_NEAR(atCentre / 5000.0, 0.095, 0.02);
    EXPECT_NEAR(clockwise / double(clockwise + anticlockwise), 0.5, 0.04);
    EXPECT_GT(distinct.size(), 340u);
}

// The test-mode feed on a window whose acquisition is in test mode.
struct Feed : ::testing::Test {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    void tick() {
        rig.clock.seconds += 0.05;
        rig.timer1.fire();
    }
};

TEST_F(Feed, CyclesThroughEntries1To4999AndNeverTakesEntry5000) {
    f.SIMULATE_BRG[4999] = 100;
    f.SIMULATE_BRG[5000] = 200;
    f.SIMULATE_BRG[1] = 300;
    f.SIMULATE_COUNT = 4998;
    simulateFeed(f);
    EXPECT_EQ(f.SIMULATE_COUNT, 4999);
    EXPECT_EQ(f.BRG_HIST[100], 1);
    simulateFeed(f);
    EXPECT_EQ(f.SIMULATE_COUNT, 1);
    EXPECT_EQ(f.BRG_HIST[300], 1);
    EXPECT_EQ(f.BRG_HIST[200], 0);
}

TEST_F(Feed, ABearingOfZeroIsCountedAsNorth) {
    f.SIMULATE_BRG[1] = 0;
    simulateFeed(f);
    EXPECT_EQ(f.BRG_HIST[360], 1);
    EXPECT_EQ(f.BRG_HIST[0], 0);
    EXPECT_EQ(f.BRG_SUM[358] + f.BRG_SUM[2], 2);
    EXPECT_EQ(f.Label_LAST_BRG.caption, "LAST BRG : 000");
}

TEST_F(Feed, TakesTheTableAsTrueButPlacesTheMarkerAsIfRelative) {
    f.CENTERX = 5000;
    f.CENTERY = 3000;
    f.AZRADIUS = 2000;
    f.HEADING = 90;
    f.CmdButton_VAR.caption = VAR_ON;
    f.HEADING_CORRECTION = 15;
    f.SIMULATE_BRG[1] = 30;
    simulateFeed(f);
    EXPECT_EQ(f.BRG_HIST[30], 1);
    EXPECT_EQ(f.BRG_HIST[120], 0);
    EXPECT_EQ(f.DFBUGBRG, static_cast<Single>(60 * (3.1416 / 180)));
    EXPECT_NEAR(f.DFBUGX, 5000 + 2250 * 0.5, 0.1);
    EXPECT_NEAR(f.DFBUGY, 3000 - 2250 * 0.8660254, 0.1);
    EXPECT_EQ(f.Label_LAST_BRG.caption, "LAST BRG : 030");
    EXPECT_EQ(f.Label_TOTAL_BRG.caption, "TOTAL BRG : 0001");
    EXPECT_EQ(f.TRUE_DF_BEARING, 0);
}

TEST_F(Feed, LeavesTheComTimeoutWarningToTheSerialLine) {
    f.Label_COM_TIMEOUT.visible = true;
    f.Frame_TOP_LEFT.visible = false;
    f.COM_TIMEOUT_TIMER = false;
    simulateFeed(f);
    EXPECT_TRUE(f.Label_COM_TIMEOUT.visible);
    EXPECT_FALSE(f.Frame_TOP_LEFT.visible);
    EXPECT_FALSE(f.COM_TIMEOUT_TIMER);
}

// A fresh window starts as a moving demonstration: every cycle takes in one
// simulated bearing, and after about 50 s of ticks the counter passes 1000.
TEST_F(Feed, EveryCycleTakesInOneBearingFromStartUp) {
    for (int i = 0; i < 1001; ++i)
        tick();
    EXPECT_EQ(f.INCOUNT, 1001);
    EXPECT_EQ(f.SIMULATE_COUNT, 1001);
    EXPECT_EQ(f.Label_TOTAL_BRG.caption, "TOTAL BRG :  1001");
    Single total = 0;
    for (int d = 1; d <= 360; ++d)
        total += f.BRG_HIST[d];
    EXPECT_EQ(total, 1001);
    EXPECT_EQ(f.BRG_HIST[sectorWrap(mostFrequent(f.SIMULATE_BRG))],
              *std::max_element(f.BRG_HIST.begin() + 1, f.BRG_HIST.end()));
}

} // namespace
