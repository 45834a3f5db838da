// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyCodes.h"

#include "commands/KeyMap.h"

#include <QKeyEvent>

#include <algorithm>
#include <array>

namespace {

// X keycodes of the main-row digit keys 1..9, 0 on PC keyboards.
constexpr quint32 FIRST_DIGIT_SCAN = 10;
constexpr quint32 LAST_DIGIT_SCAN = 19;
constexpr int VK_0 = 48;
constexpr int VK_NUMPAD0 = 96;
constexpr int VK_F1 = 112;
constexpr int LATIN1_LIMIT = 0x100;

int specialKeyCode(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    default:
        break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return VK_F1 + (qtKey - Qt::Key_F1);
    return 0;
}

// With Num Lock on, Shift turns the keypad's digit keys into its cursor keys
// (X sends KP_Up for Shift with keypad 8); they are still the digit keys, as
// Shift with Num Lock off gives the digits themselves. In the order 0..9:
constexpr std::array<int, 10> SHIFTED_KEYPAD_DIGITS{
    Qt::Key_Insert, Qt::Key_End,   Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Left,
    Qt::Key_Clear,  Qt::Key_Right, Qt::Key_Home, Qt::Key_Up,       Qt::Key_PageUp};

} // namespace

int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers, quint32 nativeScanCode) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (keypad && qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return VK_NUMPAD0 + (qtKey - Qt::Key_0);
    if (const auto digit = std::ranges::find(SHIFTED_KEYPAD_DIGITS, qtKey);
        keypad && modifiers.testFlag(Qt::ShiftModifier) && digit != SHIFTED_KEYPAD_DIGITS.end())
        return VK_NUMPAD0 + static_cast<int>(digit - SHIFTED_KEYPAD_DIGITS.begin());
    if (!keypad && nativeScanCode >= FIRST_DIGIT_SCAN && nativeScanCode <= LAST_DIGIT_SCAN)
        return nativeScanCode == LAST_DIGIT_SCAN
                   ? VK_0
                   : VK_0 + 1 + static_cast<int>(nativeScanCode - FIRST_DIGIT_SCAN);
    if (qtKey >= 0 && qtKey < LATIN1_LIMIT) return qtKey;
    return specialKeyCode(qtKey);
}

int virtualKeyCode(const QKeyEvent& event) {
    return virtualKeyCode(event.key(), event.modifiers(), event.nativeScanCode());
}

int modifierMask(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? SHIFT_MASK : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? CTRL_MASK : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? ALT_MASK : 0);
}
