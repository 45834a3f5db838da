// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/ButtonDispatch.h"
#include "commands/KeyMap.h"
#include "core/Captions.h"
#include "core/form_VECTRIN.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

// The main window on fakes, initialised as at start-up; its line is the fake
// serial port unless the test gives it another.
struct TestRig {
    explicit TestRig(bool initialise = true, SerialPort* line = nullptr)
        : f{MainWindowPorts{surface, line ? *line : serial, clock, timer1, timerMouseDown},
            settings} {
        if (initialise) initialiseDisplayState(f);
    }
    FakeSerialPort serial;
    FakeClock clock;
    FakeTimer timer1;
    FakeTimer timerMouseDown;
    RecordingSurface surface;
    OperatingSettings settings;
    form_VECTRIN f;

    // One 50 ms tick of the cycle; what it drew is forgotten.
    void tick() {
        clock.seconds += 0.05;
        timer1.fire();
        surface.ops.clear();
    }
};

// A started window whose test-mode feed is stopped: only what a test sets changes it.
struct OnWindow : ::testing::Test {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    void SetUp() override { f.SIMULATE_TIMER = false; }
};

// A key as the window receives it: the key map names a button and the button
// is pressed at once, as the program does for every key press.
inline void pressKey(TestRig& rig, int keyCode, int mask = 0) {
    if (const auto button = Form_KeyDown(rig.f, keyCode, mask)) CmdButton_Click(rig.f, *button);
}

// Virtual-key codes, written out as the keyboard delivers them.
inline constexpr int VK_CONTROL = 17;
inline constexpr auto topRow = [](int digit) { return 48 + digit; };
inline constexpr auto letterKey = [](char c) { return 65 + (c - 'A'); };

// Whether the last thing drawn ended a cycle.
inline bool cycleRan(const TestRig& rig) {
    return !rig.surface.ops.empty() && rig.surface.ops.back().kind == DrawOp::Refresh;
}
