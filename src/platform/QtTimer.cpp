// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtTimer.h"

#include <algorithm>
#include <utility>

QtTimer::QtTimer() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (onTick_) onTick_();
        if (afterTick_) afterTick_();
    });
}

void QtTimer::setTickHandler(std::function<void()> handler) {
    onTick_ = std::move(handler);
}

void QtTimer::setAfterTick(std::function<void()> hook) {
    afterTick_ = std::move(hook);
}

// A new interval starts the count afresh.
void QtTimer::setInterval(int milliseconds) {
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    update();
}

// Enabling a timer that runs leaves its count alone: the cycle enables the
// 50 ms tick after every command, and a restart each time would starve it
// while commands come faster than the tick (a held button, a held key).
void QtTimer::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    update();
}

void QtTimer::update() {
    if (enabled_ && interval_ > 0)
        timer_.start(std::max(interval_, QT_TIMER_FINEST_INTERVAL_MS));
    else
        timer_.stop();
}
