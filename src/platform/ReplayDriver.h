// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/ReplayTime.h"

#include <QElapsedTimer>
#include <QTimer>

#include <cstdint>
#include <functional>

// Paces a replay's time against the wall clock: `speed` milliseconds of the
// replay pass in each real millisecond. Events run in their order, never
// skipped: a machine too slow for the speed only slows the replay down. After
// each batch of events `afterEvents` runs (the views mirror the models), and
// the event loop gets its turn at least every 20 ms.
class ReplayDriver {
public:
    ReplayDriver(ReplayTimeline& timeline, double speed, std::function<void()> afterEvents);

    void start();
    // The speed from this moment on.
    void setSpeed(double speed);

private:
    void run();
    void anchor();
    std::int64_t target() const;

    ReplayTimeline& timeline_;
    double speed_;
    std::function<void()> afterEvents_;
    QElapsedTimer wall_;
    QTimer wake_;
    std::int64_t anchorReplay_ = 0;
    std::int64_t anchorWallNs_ = 0;
};
