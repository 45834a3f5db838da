// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Executive.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

namespace {

// The receive handler frames DF messages; the rig's test mode is switched off
// so the generator does not add bearings of its own.
struct ReceiveHandler : ::testing::Test {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    void SetUp() override { f.SIMULATE_TIMER = false; }
};

TEST_F(ReceiveHandler, TakesTheThreeCharactersAfterTheFirstPercent) {
    rig.serial.deliver("$GPRMC,xx*12\r\n%123%124");
    EXPECT_EQ(f.DF_MESSAGE, "123");
    EXPECT_TRUE(f.NEW_DF_MESSAGE);
    EXPECT_EQ(f.GPS_BUFFER, "$GPRMC,xx*12\r\n%123%124");
    EXPECT_EQ(rig.serial.pending, "");
}

TEST_F(ReceiveHandler, TextWithoutPercentStartsNoCycle) {
    rig.serial.deliver("$GPVTG,1,2,3");
    EXPECT_FALSE(f.NEW_DF_MESSAGE);
    EXPECT_TRUE(rig.surface.ops.empty());
    EXPECT_EQ(f.GPS_BUFFER, "$GPVTG,1,2,3");
}

TEST_F(ReceiveHandler, MessagesDuringTheLockOutAreDroppedButRefreshTheWatch) {
    f.COM_TIMEOUT_TIMER = true;
    rig.serial.deliver("%045");
    rig.clock.seconds += 0.02;
    rig.serial.deliver("%090");
    EXPECT_EQ(f.DF_MESSAGE, "045");
    EXPECT_EQ(f.LAST_COM_TIME, 36000);
    rig.timer1.fire();
    EXPECT_FALSE(f.NEW_DF_MESSAGE);
    rig.serial.deliver("%090");
    EXPECT_EQ(f.DF_MESSAGE, "090");
}

TEST_F(ReceiveHandler, KeepsOnlyTheLast1000CharactersOfNoise) {
    const std::string noise(5000, 'x');
    rig.serial.deliver(noise + "0123456789");
    ASSERT_EQ(f.GPS_BUFFER.size(), 1000u);
    EXPECT_EQ(f.GPS_BUFFER.substr(990), "0123456789");
    EXPECT_FALSE(f.NEW_DF_MESSAGE);
}

TEST_F(ReceiveHandler, AMessageIsTakenInOnceEvenWhenACommandRunsACycleBeforeTheTick) {
    f.HEADING = 0;
    rig.serial.deliver("%045");
    const Single afterFirst = f.BRG_HIST[45];
    EXECUTIVE(f);
    EXPECT_EQ(f.BRG_HIST[45], afterFirst);
    EXPECT_EQ(f.INCOUNT, 1);
}

TEST(Timer1Tick, EndsTheLockOutAndRunsACycleThatReArmsTheTimer) {
    TestRig rig;
    EXPECT_TRUE(rig.timer1.enabled());
    EXPECT_EQ(rig.timer1.interval(), 50);
    rig.f.NEW_DF_MESSAGE = true;
    rig.timer1.fire();
    EXPECT_FALSE(rig.f.NEW_DF_MESSAGE);
    EXPECT_TRUE(rig.timer1.enabled());
    ASSERT_FALSE(rig.surface.ops.empty());
    EXPECT_EQ(rig.surface.ops.back().kind, DrawOp::Refresh);
    EXPECT_EQ(rig.f.Label_TIME.caption, "TIME : 10:00:00 AM");
}

} // namespace
