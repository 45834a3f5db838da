// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtTimer.h"

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

void QtTimer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    update();
}

void QtTimer::setEnabled(bool enabled) {
    enabled_ = enabled;
    update();
}

// Enabling or a new interval starts the count afresh.
void QtTimer::update() {
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
}
