// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyCodes.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

#include <tuple>

namespace {

// X keycodes of a PC keyboard: the top-row 2 is 11, 0 is 19, keypad 8 is 80.
TEST(KeyCodes, KeysGiveTheVirtualKeyCodesOfTheKeyMap) {
    const std::tuple<int, Qt::KeyboardModifiers, quint32, int> rows[] = {
        {Qt::Key_A, Qt::NoModifier, 38, 65},
        {Qt::Key_A, Qt::ShiftModifier, 38, 65},
        {Qt::Key_At, Qt::ShiftModifier, 11, 50}, // Shift+2 is still the 2 key
        {Qt::Key_ParenRight, Qt::ShiftModifier, 19, 48},
        {Qt::Key_5, Qt::NoModifier, 0, 53}, // no physical key known: the digit
        {Qt::Key_8, Qt::KeypadModifier, 80, 104},
        {Qt::Key_0, Qt::KeypadModifier, 90, 96},
        {Qt::Key_6, Qt::KeypadModifier | Qt::ControlModifier, 85, 102},
        {Qt::Key_Up, Qt::KeypadModifier, 80, 38},                      // keypad with Num Lock off
        {Qt::Key_Up, Qt::KeypadModifier | Qt::ShiftModifier, 80, 104}, // Shift, Num Lock on
        {Qt::Key_Left, Qt::KeypadModifier | Qt::ShiftModifier, 83, 100},
        {Qt::Key_Left, Qt::ShiftModifier, 113, 37}, // the arrow key beside the keypad
        {Qt::Key_Shift, Qt::ShiftModifier, 50, 16},
        {Qt::Key_F2, Qt::NoModifier, 68, 113}, // its low byte would be the 1 key's code
        {Qt::Key_Menu, Qt::NoModifier, 135, 0},
    };
    for (const auto& [key, modifiers, scan, code] : rows)
        EXPECT_EQ(virtualKeyCode(key, modifiers, scan), code) << "Qt key " << key;
    const QKeyEvent shiftTwo(QEvent::KeyPress, Qt::Key_At, Qt::ShiftModifier, 11, 0, 0, "@");
    EXPECT_EQ(virtualKeyCode(shiftTwo), 50);
    // The modifier mask: Shift 1, Ctrl 2, Alt 4, nothing for the others.
    EXPECT_EQ(modifierMask(Qt::ShiftModifier | Qt::AltModifier | Qt::KeypadModifier), 5);
    EXPECT_EQ(modifierMask(Qt::ControlModifier | Qt::MetaModifier), 2);
}

} // namespace
