// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/ButtonDispatch.h"
#include "commands/KeyMap.h"
#include "support/TestRig.h"

// A key as the window receives it: the key map names a button and the button
// is pressed at once, as the program does for every key press.
inline void pressKey(TestRig& rig, int keyCode, int mask = 0) {
    if (const auto button = Form_KeyDown(rig.f, keyCode, mask)) CmdButton_Click(rig.f, *button);
}

// Virtual-key codes, written out as the keyboard delivers them.
inline constexpr int VK_CONTROL = 17;
inline constexpr int topRow(int digit) {
    return 48 + digit;
}
inline constexpr int keypad(int digit) {
    return 96 + digit;
}
inline constexpr int letterKey(char c) {
    return 65 + (c - 'A');
}

inline bool cycleRan(const TestRig& rig) {
    return !rig.surface.ops.empty() && rig.surface.ops.back().kind == DrawOp::Refresh;
}
