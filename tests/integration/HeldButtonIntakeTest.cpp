// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtTimer.h"
#include "platform/QtWait.h"
#include "settings/ProgramOnFakes.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The program on the real Qt timers, the DF unit on a fake line. Each DF
// message comes once the tick has ended the lock-out of the one before, as a
// DF unit sending slower than the tick would: every one is taken in while a
// stepping button is held down, whose repeat enables the 50 ms tick far more
// often than it ticks.
TEST(HeldButtonIntake, EveryBearingIsTakenInWhileAButtonIsHeld) {
    QTemporaryDir folder;
    ProgramOn<QtTimer> run(folder.path().toStdString());
    int ticks = 0, repeats = 0;
    run.timer1.setAfterTick([&] { ++ticks; });
    run.timerMouseDown.setAfterTick([&] { ++repeats; });
    run.program.start();
    run.click("CmdButton_TEST"); // from test mode to the line
    ASSERT_TRUE(run.serial.isOpen());
    const int before = run.f.INCOUNT;
    run.program.mouseDown("CmdButton_CUR_CW");
    ASSERT_TRUE(waitUntil([&] { return repeats > 1; }, 10000)) << "no repeat";
    const int repeated = repeats;
    constexpr int MESSAGES = 12;
    for (int i = 0; i < MESSAGES; ++i) {
        const int ticked = ticks;
        run.serial.deliver("%090");
        ASSERT_TRUE(waitUntil([&] { return ticks > ticked; }, 10000)) << "no tick after " << i;
    }
    EXPECT_EQ(run.f.INCOUNT - before, MESSAGES);
    EXPECT_GT(repeats, repeated) << "the repeat stopped";
    run.program.mouseUp("CmdButton_CUR_CW");
}

} // namespace
