// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Clock.h"
#include "core/SerialPort.h"
#include "core/Timer.h"

#include <functional>

class Program;

// The serial line, the clock and the two timers the program runs on: the
// live ones, or those of a replay.
class PortSet {
public:
    virtual ~PortSet() = default;
    virtual SerialPort& serial() = 0;
    virtual Clock& clock() = 0;
    virtual Timer& timer1() = 0;
    virtual Timer& timerMouseDown() = 0;
    // Runs after every event these ports raise (the views mirror the models).
    virtual void setAfterEvent(std::function<void()> hook) = 0;
    // The program has started; the ports may now drive it.
    virtual void begin(Program& program) = 0;
};
