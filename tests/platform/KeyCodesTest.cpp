#include "platform/KeyCodes.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

namespace {

// X keycodes of a PC keyboard.
constexpr quint32 SCAN_1 = 10, SCAN_2 = 11, SCAN_8 = 17, SCAN_9 = 18, SCAN_0 = 19;
constexpr quint32 SCAN_KP_8 = 80, SCAN_A = 38;

TEST(KeyCodes, LettersAreTheirCapitalWithOrWithoutShift) {
    EXPECT_EQ(virtualKeyCode(Qt::Key_A, Qt::NoModifier, SCAN_A), 65);
    EXPECT_EQ(virtualKeyCode(Qt::Key_A, Qt::ShiftModifier, SCAN_A), 65);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Z, Qt::ControlModifier, 52), 90);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Q, Qt::NoModifier, 0), 81);
}

TEST(KeyCodes, MainRowDigitsAreToldByTheirPhysicalKeyWhateverShiftMakesOfThem) {
    EXPECT_EQ(virtualKeyCode(Qt::Key_1, Qt::NoModifier, SCAN_1), 49);
    EXPECT_EQ(virtualKeyCode(Qt::Key_At, Qt::ShiftModifier, SCAN_2), 50);
    EXPECT_EQ(virtualKeyCode(Qt::Key_2, Qt::ControlModifier, SCAN_2), 50);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Asterisk, Qt::ShiftModifier, SCAN_8), 56);
    EXPECT_EQ(virtualKeyCode(Qt::Key_ParenLeft, Qt::ShiftModifier, SCAN_9), 57);
    EXPECT_EQ(virtualKeyCode(Qt::Key_0, Qt::NoModifier, SCAN_0), 48);
    // Where no physical key is known the digit itself counts.
    EXPECT_EQ(virtualKeyCode(Qt::Key_5, Qt::NoModifier, 0), 53);
}

TEST(KeyCodes, KeypadDigitsHaveTheirOwnCodes) {
    EXPECT_EQ(virtualKeyCode(Qt::Key_8, Qt::KeypadModifier, SCAN_KP_8), 104);
    EXPECT_EQ(virtualKeyCode(Qt::Key_2, Qt::KeypadModifier, 88), 98);
    EXPECT_EQ(virtualKeyCode(Qt::Key_6, Qt::KeypadModifier | Qt::ControlModifier, 85), 102);
    EXPECT_EQ(virtualKeyCode(Qt::Key_0, Qt::KeypadModifier, 90), 96);
    EXPECT_EQ(virtualKeyCode(Qt::Key_9, Qt::KeypadModifier, 81), 105);
    // Num Lock off: the keypad sends cursor keys, which the key map does not know.
    EXPECT_EQ(virtualKeyCode(Qt::Key_Up, Qt::KeypadModifier, SCAN_KP_8), 38);
}

TEST(KeyCodes, OtherKeysNeverLandOnACodeOfTheKeyMap) {
    EXPECT_EQ(virtualKeyCode(Qt::Key_Shift, Qt::ShiftModifier, 50), 16);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Control, Qt::ControlModifier, 37), 17);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Alt, Qt::AltModifier, 64), 18);
    EXPECT_EQ(virtualKeyCode(Qt::Key_F1, Qt::NoModifier, 67), 112);
    EXPECT_EQ(virtualKeyCode(Qt::Key_F2, Qt::NoModifier, 68), 113); // 0x01000031 & 0xFF is 49
    EXPECT_EQ(virtualKeyCode(Qt::Key_Escape, Qt::NoModifier, 9), 27);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Space, Qt::NoModifier, 65), 32);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Menu, Qt::NoModifier, 135), 0);
    EXPECT_EQ(virtualKeyCode(Qt::Key_unknown, Qt::NoModifier, 0), 0);
}

TEST(KeyCodes, TheModifierMaskIsShiftOneCtrlTwoAltFour) {
    EXPECT_EQ(modifierMask(Qt::NoModifier), 0);
    EXPECT_EQ(modifierMask(Qt::ShiftModifier), 1);
    EXPECT_EQ(modifierMask(Qt::ControlModifier), 2);
    EXPECT_EQ(modifierMask(Qt::AltModifier), 4);
    EXPECT_EQ(modifierMask(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier), 7);
    EXPECT_EQ(modifierMask(Qt::KeypadModifier | Qt::MetaModifier), 0);
}

TEST(KeyCodes, AnEventGivesItsKeyModifiersAndScanCode) {
    const QKeyEvent shiftTwo(QEvent::KeyPress, Qt::Key_At, Qt::ShiftModifier, SCAN_2, 0, 0, "@");
    EXPECT_EQ(virtualKeyCode(shiftTwo), 50);
    const QKeyEvent keypadEight(QEvent::KeyPress, Qt::Key_8, Qt::KeypadModifier, SCAN_KP_8, 0, 0);
    EXPECT_EQ(virtualKeyCode(keypadEight), 104);
}

} // namespace
