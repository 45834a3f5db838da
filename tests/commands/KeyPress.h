#pragma once

#include "commands/ButtonDispatch.h"
#include "commands/KeyMap.h"
#include "support/TestRig.h"

// Keys as the window receives them: the key map names a button and the button
// is pressed at once, as the program does for every key press.
inline void pressKey(TestRig& rig, int keyCode, int mask = 0) {
    if (const auto button = Form_KeyDown(rig.f, keyCode, mask)) CmdButton_Click(rig.f, *button);
}

inline void releaseKey(TestRig& rig, int keyCode, int mask = 0) {
    Form_KeyUp(rig.f, keyCode, mask);
}

// Virtual-key codes used by the tests.
inline constexpr int VK_CONTROL = 17;
inline constexpr int VK_SHIFT = 16;
inline constexpr int VK_LEFT = 37;
inline constexpr int VK_UP = 38;
inline constexpr int VK_RIGHT = 39;
inline constexpr int VK_DOWN = 40;
inline constexpr int topRow(int digit) {
    return 48 + digit;
}
inline constexpr int keypad(int digit) {
    return 96 + digit;
}
inline constexpr int letterKey(char c) {
    return 65 + (c - 'A');
}
