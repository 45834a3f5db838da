// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/SessionClock.h"

#include <QElapsedTimer>

// The recording's times from the system: a monotonic count and the local
// date and time.
class QtSessionClock : public SessionClock {
public:
    QtSessionClock() { steady_.start(); }
    std::int64_t steadyMilliseconds() const override { return steady_.elapsed(); }
    std::string localDateTime() const override;

private:
    QElapsedTimer steady_;
};
