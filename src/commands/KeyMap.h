// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

struct form_VECTRIN;

// Modifier mask of a key event.
inline constexpr int SHIFT_MASK = 1;
inline constexpr int CTRL_MASK = 2;
inline constexpr int ALT_MASK = 4;

// Virtual-key codes: letters 65..90 (with or without Shift), top-row digits
// 48..57, keypad digits 96..105 (only while Num Lock is on).
inline constexpr int KEY_TOP_ROW_0 = 48;
inline constexpr int KEY_A = 65;
inline constexpr int KEY_KEYPAD_0 = 96;

// A key press at window level (virtual-key code, modifier mask). Sets CTRL_KEY
// first, then acts by the key map: returns the name of the button the key
// presses, if any, and the caller presses it. Key 2 with a modifier held, and
// every key not in the map, run the credit counter instead.
std::optional<std::string> Form_KeyDown(form_VECTRIN& f, int keyCode, int mask);
// A key release: only the modifier mask is kept.
void Form_KeyUp(form_VECTRIN& f, int keyCode, int mask);
