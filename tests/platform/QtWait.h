// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

// Runs the event loop for the given time, sleeping while there is nothing to do.
inline void runEventsFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until the condition holds or the deadline passes;
// returns whether it held. The condition is looked at every 10 ms. The
// deadline only bounds a failure: on a busy machine a condition that holds at
// once when idle may take many seconds.
template <typename Condition> bool waitUntil(Condition condition, int timeoutMs = 30000) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        runEventsFor(10);
    }
    return true;
}
