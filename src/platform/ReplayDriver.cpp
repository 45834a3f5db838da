// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ReplayDriver.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
constexpr qint64 BATCH_NS = 20'000'000;
constexpr double NS_PER_MS = 1e6;
} // namespace

ReplayDriver::ReplayDriver(ReplayTimeline& timeline, double speed,
                           std::function<void()> afterEvents)
    : timeline_(timeline), speed_(speed), afterEvents_(std::move(afterEvents)) {
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&wake_, &QTimer::timeout, [this] { run(); });
}

void ReplayDriver::start() {
    wall_.start();
    anchor();
    wake_.start(0);
}

void ReplayDriver::setSpeed(double speed) {
    anchor();
    speed_ = speed;
}

void ReplayDriver::anchor() {
    anchorReplay_ = timeline_.now();
    anchorWallNs_ = wall_.nsecsElapsed();
}

std::int64_t ReplayDriver::target() const {
    const double wallMs = static_cast<double>(wall_.nsecsElapsed() - anchorWallNs_) / NS_PER_MS;
    return anchorReplay_ + static_cast<std::int64_t>(wallMs * speed_);
}

void ReplayDriver::run() {
    const qint64 batchStart = wall_.nsecsElapsed();
    const std::int64_t until = target();
    for (auto next = timeline_.nextEvent(); next && *next <= until; next = timeline_.nextEvent()) {
        timeline_.runNext();
        if (wall_.nsecsElapsed() - batchStart < BATCH_NS) continue;
        // Behind the wall clock: go on from here instead of catching up.
        anchor();
        afterEvents_();
        wake_.start(0);
        return;
    }
    timeline_.advanceTo(until);
    afterEvents_();
    const auto next = timeline_.nextEvent();
    if (!next) return;
    const double dueWallNs = static_cast<double>(anchorWallNs_) +
                             static_cast<double>(*next - anchorReplay_) / speed_ * NS_PER_MS;
    const double waitMs = (dueWallNs - static_cast<double>(wall_.nsecsElapsed())) / NS_PER_MS;
    wake_.start(static_cast<int>(std::clamp(std::ceil(waitMs), 0.0, 1e9)));
}
