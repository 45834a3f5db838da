#pragma once

#include <optional>
#include <string>

struct form_VECTRIN;

// Modifier mask of a key event.
inline constexpr int SHIFT_MASK = 1;
inline constexpr int CTRL_MASK = 2;
inline constexpr int ALT_MASK = 4;

// A key press at window level (virtual-key code, modifier mask). Returns the
// name of the button the key presses, if any; the caller presses it.
std::optional<std::string> Form_KeyDown(form_VECTRIN& f, int keyCode, int mask);
// A key release: only the modifier mask is kept.
void Form_KeyUp(form_VECTRIN& f, int keyCode, int mask);
