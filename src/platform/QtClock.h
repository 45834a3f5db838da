// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Clock.h"

#include <QTime>

// The local time of day from the system clock.
class QtClock : public Clock {
public:
    double secondsSinceMidnight() const override;
    std::string timeOfDayText() const override;
};

// A time of day as the locale writes it, with seconds ("10:15:30 AM").
std::string localTimeOfDayText(const QTime& time);
