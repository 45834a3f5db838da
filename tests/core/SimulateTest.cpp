// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Simulate.h"
#include "support/DisplayFixture.h"

namespace {

// About a quarter of the bearings lie within 10 degrees of the centre and
// about 40 % within 36 degrees; the rest spread around the whole circle, as
// many on either side. The offsets 359 * r^2.5 fall within 10 degrees for
// r < (11/359)^0.4 (24.8 %) and within 36 for r < (37/359)^0.4 (40.3 %); the
// largest offsets come round to the centre from its other side and add 1.0 %
// and 4.0 % to what the picture shows.
TEST(SimulatedTable, IsTheSameAtEveryStartAndClustersAroundOneDirection) {
    TestRig first, second;
    const auto& table = first.f.SIMULATE_BRG;
    EXPECT_EQ(table, second.f.SIMULATE_BRG);
    std::array<int, 360> counts{};
    for (int i = 1; i <= 5000; ++i) {
        ASSERT_TRUE(table[i] >= 0 && table[i] <= 359) << i;
        ++counts[static_cast<std::size_t>(table[i])];
    }
    const auto centre = std::ranges::max_element(counts) - counts.begin();
    int within10 = 0, within36 = 0, clockwise = 0, anticlockwise = 0;
    for (int i = 1; i <= 5000; ++i) {
        const auto offset = (table[i] - centre + 360) % 360; // clockwise from the centre
        const auto distance = std::min(offset, 360 - offset);
        within10 += distance <= 10;
        within36 += distance <= 36;
        clockwise += offset > 0 && offset < 180;
        anticlockwise += offset > 180;
    }
    EXPECT_NEAR(within10 / 5000.0, 0.258, 0.025);
    EXPECT_NEAR(within36 / 5000.0, 0.443, 0.025);
    EXPECT_NEAR(clockwise / double(clockwise + anticlockwise), 0.5, 0.04);
    EXPECT_GT(std::ranges::count_if(counts, [](int n) { return n > 0; }), 340);
}

// Every cycle takes in the next entry as a true bearing: after entry 4999
// comes entry 1, and 0 is north. The marker shows it as if relative to the
// heading, without the variation; the COM TIMEOUT warning belongs to the line.
using SimulateFeed = OnDesignWindow;

TEST_F(SimulateFeed, EveryCycleTakesTheNextEntryButNeverEntry5000) {
    f.SIMULATE_TIMER = true;
    f.SIMULATE_BRG[4999] = 100;
    f.SIMULATE_BRG[5000] = 200;
    f.SIMULATE_BRG[1] = 0;
    f.SIMULATE_COUNT = 4998;
    for (int tick = 0; tick < 2; ++tick) {
        rig.clock.seconds += 0.05;
        rig.timer1.fire();
    }
    EXPECT_EQ((std::tuple{f.SIMULATE_COUNT, f.INCOUNT, f.Label_LAST_BRG.caption}),
              (std::tuple<Integer, std::int32_t, std::string>{1, 2, "LAST BRG : 000"}));
    EXPECT_EQ((std::array{f.BRG_HIST[100], f.BRG_HIST[200], f.BRG_HIST[360], f.BRG_HIST[0]}),
              (std::array<Single, 4>{1, 0, 1, 0}));

    turn(90, 15, VAR_ON);
    f.Label_COM_TIMEOUT.visible = true;
    f.SIMULATE_BRG[2] = 30;
    simulateFeed(f);
    EXPECT_EQ(f.BRG_HIST[30], 1);
    // 60 degrees from the x axis: 2968 * cos 60 = 1484, 2968 * sin 60 = 2570.4.
    EXPECT_NEAR(f.DFBUGX, 6374, 0.5);
    EXPECT_NEAR(f.DFBUGY, 1077.1, 0.5);
    EXPECT_EQ(f.Label_LAST_BRG.caption, "LAST BRG : 030");
    EXPECT_TRUE(f.Label_COM_TIMEOUT.visible);
}

} // namespace
