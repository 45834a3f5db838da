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
inline constexpr auto keypad = [](int digit) { return 96 + digit; };
inline constexpr auto letterKey = [](char c) { return 65 + (c - 'A'); };

// Whether the last thing drawn ended a cycle.
inline bool cycleRan(const TestRig& rig) {
    return !rig.surface.ops.empty() && rig.surface.ops.back().kind == DrawOp::Refresh;
}
