// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Clock.h"
#include "core/Timer.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Something that happens at a time of the replay: a timer's tick, a read of
// the replayed port.
class ReplayEvent {
public:
    virtual ~ReplayEvent() = default;
    // When it happens next, if at all.
    virtual std::optional<std::int64_t> due() const = 0;
    virtual void run() = 0;
};

// The program's time during a replay: milliseconds since the replay began,
// moved on from one event to the next by whoever paces the replay. Nothing
// happens between events, so a replay runs the same whatever the speed and
// however busy the machine is.
class ReplayTimeline {
public:
    std::int64_t now() const { return now_; }
    void add(ReplayEvent& event) { events_.push_back(&event); }

    // The time of the earliest event; on a tie the one added first goes first.
    std::optional<std::int64_t> nextEvent() const;
    // Moves to the earliest event and runs it.
    void runNext();
    // Moves the time on towards `milliseconds`, never past the next event.
    void advanceTo(std::int64_t milliseconds);

private:
    ReplayEvent* earliest() const;

    std::int64_t now_ = 0;
    std::vector<ReplayEvent*> events_;
};

// A timer of the replay: it ticks in the replay's time, as the live timers
// do: enabling a running timer or giving it the interval it has leaves its
// count alone, and it ticks no faster than every `finest` milliseconds.
class ReplayTimer : public Timer, private ReplayEvent {
public:
    explicit ReplayTimer(ReplayTimeline& timeline, int finest = 1);

    void setTickHandler(std::function<void()> handler) override;
    void setInterval(int milliseconds) override;
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override;
    bool enabled() const override { return enabled_; }

private:
    std::optional<std::int64_t> due() const override;
    void run() override;

    std::int64_t period() const;

    ReplayTimeline& timeline_;
    int finest_;
    std::function<void()> onTick_;
    int interval_ = 0;
    bool enabled_ = false;
    std::int64_t due_ = 0;
};

// The time of day during a replay: the recorded start, moved on by the
// replay's time. `text` writes a time of day as the platform does.
class ReplayClock : public Clock {
public:
    ReplayClock(const ReplayTimeline& timeline, double startSecondsSinceMidnight,
                std::function<std::string(double)> text);
    double secondsSinceMidnight() const override;
    std::string timeOfDayText() const override;

private:
    const ReplayTimeline& timeline_;
    double start_;
    std::function<std::string(double)> text_;
};
