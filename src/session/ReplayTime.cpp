// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ReplayTime.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
constexpr double SECONDS_PER_DAY = 86400;
}

ReplayEvent* ReplayTimeline::earliest() const {
    ReplayEvent* first = nullptr;
    std::optional<std::int64_t> firstDue;
    for (ReplayEvent* event : events_) {
        const auto due = event->due();
        if (due && (!firstDue || *due < *firstDue)) {
            first = event;
            firstDue = due;
        }
    }
    return first;
}

std::optional<std::int64_t> ReplayTimeline::nextEvent() const {
    const ReplayEvent* event = earliest();
    return event ? event->due() : std::nullopt;
}

void ReplayTimeline::runNext() {
    ReplayEvent* event = earliest();
    if (!event) return;
    now_ = std::max(now_, *event->due());
    event->run();
}

void ReplayTimeline::advanceTo(std::int64_t milliseconds) {
    const auto next = nextEvent();
    now_ = std::max(now_, next ? std::min(*next, milliseconds) : milliseconds);
}

ReplayTimer::ReplayTimer(ReplayTimeline& timeline, int finest)
    : timeline_(timeline), finest_(finest) {
    timeline_.add(*this);
}

void ReplayTimer::setTickHandler(std::function<void()> handler) {
    onTick_ = std::move(handler);
}

std::int64_t ReplayTimer::period() const {
    return std::max(interval_, finest_);
}

void ReplayTimer::setInterval(int milliseconds) {
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    due_ = timeline_.now() + period();
}

void ReplayTimer::setEnabled(bool enabled) {
    if (enabled && !enabled_) due_ = timeline_.now() + period();
    enabled_ = enabled;
}

std::optional<std::int64_t> ReplayTimer::due() const {
    if (!enabled_ || interval_ <= 0) return {};
    return due_;
}

void ReplayTimer::run() {
    due_ = timeline_.now() + period();
    if (onTick_) onTick_();
}

ReplayClock::ReplayClock(const ReplayTimeline& timeline, double startSecondsSinceMidnight,
                         std::function<std::string(double)> text)
    : timeline_(timeline), start_(startSecondsSinceMidnight), text_(std::move(text)) {}

double ReplayClock::secondsSinceMidnight() const {
    return std::fmod(start_ + static_cast<double>(timeline_.now()) / 1000, SECONDS_PER_DAY);
}

std::string ReplayClock::timeOfDayText() const {
    return text_(secondsSinceMidnight());
}
