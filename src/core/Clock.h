// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The local time of day.
class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since local midnight with fractions, 0 <= value < 86400.
    virtual double secondsSinceMidnight() const = 0;
    // The time of day as the locale writes it, with seconds ("10:15:30 AM").
    virtual std::string timeOfDayText() const = 0;
};
