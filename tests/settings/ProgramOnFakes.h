// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/Program.h"
#include "support/FakeSerialDevices.h"
#include "support/Fakes.h"

#include <algorithm>
#include <sstream>
#include <string>

inline constexpr SystemColours TEST_SYSTEM_COLOURS{0xF0F0F0, 0xA0A0A0};

// The whole program on fakes, with its settings file in the given folder;
// its two timers are fakes too unless a test of the real ones asks otherwise.
template <typename TimerKind> struct ProgramOn {
    explicit ProgramOn(const std::string& settingsFolder)
        : program{ProgramPorts{surface, serial, clock, timer1, timerMouseDown, picker,
                               settingsFolder, TEST_SYSTEM_COLOURS, devices, messages}} {}

    std::ostringstream messages; // what the program says on standard error
    FakeSerialPort serial;
    FakeClock clock;
    TimerKind timer1;
    TimerKind timerMouseDown;
    RecordingSurface surface;
    FakeColourPicker picker;
    FakeSerialDevices devices;
    Program program;
    form_VECTRIN& f = program.main();
    Form_OPTIONS& o = program.options();

    void click(const std::string& button) { program.click(button); }
    void optionsClick(const std::string& name) { program.optionsClick(name); }
    // How many cycles ended in a screen refresh since the surface's record was cleared.
    int refreshes() const {
        return static_cast<int>(std::ranges::count(surface.ops, DrawOp::Refresh, &DrawOp::kind));
    }
};

using ProgramOnFakes = ProgramOn<FakeTimer>;
