#include "platform/QtTimer.h"
#include "QtWait.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(QtTimer, TicksWhileEnabledAndRunsTheAfterHookAfterEachTick) {
    QtTimer timer;
    std::string order;
    timer.setTickHandler([&] { order += 't'; });
    timer.setAfterTick([&] { order += 'a'; });
    timer.setInterval(1);
    EXPECT_EQ(timer.interval(), 1);
    timer.setEnabled(true);
    EXPECT_TRUE(timer.enabled());
    ASSERT_TRUE(waitUntil([&] { return order.size() >= 20; }, 2000));
    timer.setEnabled(false);
    EXPECT_EQ(order.substr(0, 6), "tatata");
    const std::size_t ticks = order.size();
    runEventsFor(30);
    EXPECT_EQ(order.size(), ticks);
}

TEST(QtTimer, AHandlerThatDisablesAndReenablesItselfKeepsItRunning) {
    QtTimer timer;
    int ticks = 0;
    timer.setTickHandler([&] {
        timer.setEnabled(false);
        ++ticks;
        timer.setEnabled(ticks < 5);
    });
    timer.setInterval(2);
    timer.setEnabled(true);
    ASSERT_TRUE(waitUntil([&] { return ticks == 5; }, 2000));
    runEventsFor(30);
    EXPECT_EQ(ticks, 5);
    EXPECT_FALSE(timer.enabled());
}

TEST(QtTimer, ADisabledTimerOrAZeroIntervalNeverTicks) {
    QtTimer timer;
    int ticks = 0;
    timer.setTickHandler([&] { ++ticks; });
    timer.setInterval(1);
    runEventsFor(30);
    timer.setInterval(0);
    timer.setEnabled(true);
    runEventsFor(30);
    EXPECT_EQ(ticks, 0);
    timer.setInterval(1);
    EXPECT_TRUE(waitUntil([&] { return ticks > 0; }, 2000));
}

} // namespace
