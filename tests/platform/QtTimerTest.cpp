// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtTimer.h"
#include "QtWait.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The cycle's handler switches its timer off and on again while it runs.
TEST(QtTimer, TicksWhileEnabledWithAnIntervalAndRunsTheAfterHookAfterEachTick) {
    QtTimer timer;
    std::string order;
    timer.setTickHandler([&] {
        timer.setEnabled(false);
        order += 't';
        timer.setEnabled(true);
    });
    timer.setAfterTick([&] { order += 'a'; });
    timer.setInterval(1);
    runEventsFor(30); // not enabled
    timer.setInterval(0);
    timer.setEnabled(true);
    runEventsFor(30); // no interval
    EXPECT_EQ(order, "");
    timer.setInterval(1);
    ASSERT_TRUE(waitUntil([&] { return order.size() >= 20; }, 2000));
    timer.setEnabled(false);
    EXPECT_EQ(order.substr(0, 6), "tatata");
    const std::size_t ticks = order.size();
    runEventsFor(30);
    EXPECT_EQ(order.size(), ticks);
}

} // namespace
