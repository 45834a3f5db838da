// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/form_VECTRIN.h"
#include "support/Fakes.h"

// The main window on fakes, initialised as at start-up.
struct TestRig {
    explicit TestRig(bool initialise = true) {
        if (initialise) initialiseDisplayState(f);
    }
    FakeSerialPort serial;
    FakeClock clock;
    FakeTimer timer1;
    FakeTimer timerMouseDown;
    RecordingSurface surface;
    OperatingSettings settings;
    form_VECTRIN f{MainWindowPorts{surface, serial, clock, timer1, timerMouseDown}, settings};
};
