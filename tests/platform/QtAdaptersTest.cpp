// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtWait.h"
#include "platform/KeyCodes.h"
#include "platform/QtColourPicker.h"
#include "platform/QtColours.h"
#include "platform/QtTimer.h"

#include <QApplication>
#include <QColorDialog>
#include <QElapsedTimer>

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
    // The modifier mask: Shift 1, Ctrl 2, Alt 4, nothing for the others.
    EXPECT_EQ(modifierMask(Qt::ShiftModifier | Qt::AltModifier | Qt::KeypadModifier), 5);
    EXPECT_EQ(modifierMask(Qt::ControlModifier | Qt::MetaModifier), 2);
}

// Shows the picker, and once its modal dialog is up sets `choice` in it and
// accepts or cancels; returns the colour the dialog opened on.
QColor pick(QtColourPicker& picker, QColor choice, bool accept) {
    QColor opened;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        opened = dialog->currentColor();
        dialog->setCurrentColor(choice);
        accept ? dialog->accept() : dialog->reject();
    });
    picker.show();
    return opened;
}

TEST(QtColourPicker, OpensOnTheColourSetAndCancelKeepsTheColour) {
    QtColourPicker picker;
    picker.setFlags(3);
    picker.setColour(0x00009100);
    EXPECT_EQ(fromQColor(pick(picker, QColor(0x12, 0x34, 0x56), true)), 0x00009100u);
    EXPECT_EQ(picker.colour(), 0x00563412u);
    EXPECT_EQ(fromQColor(pick(picker, Qt::black, false)), 0x00563412u);
    EXPECT_EQ(picker.colour(), 0x00563412u);
}

// The cycle's handler switches its timer off and on again while it runs. The
// auto-repeat asks for 1 ms; the platform's timer ticks at most about 60 times
// a second (never more often than every 17 ms on average). Three ticks of a
// second timer, started after it, are time for two of its own were it running.
TEST(QtTimer, TicksWhileEnabledWithAnIntervalAndRunsTheAfterHookAfterEachTick) {
    QtTimer timer;
    std::string order;
    timer.setTickHandler([&] {
        timer.setEnabled(false);
        order += 't';
        timer.setEnabled(true);
    });
    timer.setAfterTick([&] { order += 'a'; });
    const auto quietWhile = [&](auto&& arrange) {
        arrange();
        QtTimer reference;
        int ticks = 0;
        reference.setTickHandler([&] { ++ticks; });
        reference.setInterval(1);
        reference.setEnabled(true);
        const std::size_t before = order.size();
        return waitUntil([&] { return ticks >= 3; }) && order.size() == before;
    };
    EXPECT_TRUE(quietWhile([&] { timer.setInterval(1); })) << "not enabled";
    QElapsedTimer clock;
    clock.start();
    timer.setEnabled(true);
    ASSERT_TRUE(waitUntil([&] { return order.size() >= 20; }));
    EXPECT_EQ(order.substr(0, 6), "tatata");
    EXPECT_LE(order.size() / 2, clock.elapsed() / 17 + 2) << order << " in " << clock.elapsed();
    EXPECT_TRUE(quietWhile([&] { timer.setEnabled(false); })) << "disabled";
}

} // namespace
