// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Clock.h"

// The local time of day from the system clock.
class QtClock : public Clock {
public:
    double secondsSinceMidnight() const override;
    std::string timeOfDayText() const override;
};
