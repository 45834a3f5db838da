// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// The times a recording is stamped with.
class SessionClock {
public:
    virtual ~SessionClock() = default;
    // Milliseconds from a fixed moment; never goes back, whatever the wall
    // clock does.
    virtual std::int64_t steadyMilliseconds() const = 0;
    // The local date and time, "2026-12-06 13:50:39.123".
    virtual std::string localDateTime() const = 0;
};
