// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Simulate.h"
#include "support/DisplayFixture.h"

namespace {

// The test-mode table: the same at every start, every entry a direction.
TEST(SimulatedTable, IsTheSameAtEveryStart) {
    TestRig first, second;
    const auto& table = first.f.SIMULATE_BRG;
    EXPECT_EQ(table, second.f.SIMULATE_BRG);
    for (int i = 1; i <= 5000; ++i)
        ASSERT_TRUE(table[i] >= 0 && table[i] <= 359) << i;
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
    EXPECT_EQ((std::tuple{f.BRG_HIST[30], f.Label_LAST_BRG.caption, f.Label_COM_TIMEOUT.visible}),
              (std::tuple<Single, std::string, bool>{1, "LAST BRG : 030", true}));
    // 60 degrees from the x axis: 2968 * cos 60 = 1484, 2968 * sin 60 = 2570.4.
    EXPECT_NEAR(f.DFBUGX, 6374, 0.5);
    EXPECT_NEAR(f.DFBUGY, 1077.1, 0.5);
}

} // namespace
