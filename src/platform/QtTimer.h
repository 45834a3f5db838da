// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Timer.h"

#include <QTimer>

#include <functional>

// The finest tick: the platform this display was designed for ticked its
// timers about 60 times a second, and a shorter interval (the stepping
// auto-repeat asks for 1 ms) repeats at that pace, which an operator can stop
// on a bearing and which leaves the processor to the rest of the program.
inline constexpr int QT_TIMER_FINEST_INTERVAL_MS = 17;

// A repeating timer on Qt's event loop, at most about 60 ticks a second.
// While the interval is 0 it does not run, even when enabled, so it never
// fires on every pass of the loop.
class QtTimer : public Timer {
public:
    QtTimer();

    void setTickHandler(std::function<void()> handler) override;
    void setInterval(int milliseconds) override;
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override;
    bool enabled() const override { return enabled_; }

    // Runs after every tick handler (the window view mirrors its controls).
    void setAfterTick(std::function<void()> hook);

private:
    void update();

    QTimer timer_;
    std::function<void()> onTick_;
    std::function<void()> afterTick_;
    int interval_ = 0;
    bool enabled_ = false;
};
