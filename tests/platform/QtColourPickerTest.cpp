// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtColourPicker.h"
#include "platform/QtColours.h"

#include <QApplication>
#include <QColorDialog>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Shows the picker, and once its modal dialog is up sets `choice` in it and
// accepts or cancels; returns the colour the dialog opened on.
QColor pick(QtColourPicker& picker, QColor choice, bool accept) {
    QColor opened;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        poll.stop();
        opened = dialog->currentColor();
        dialog->setCurrentColor(choice);
        accept ? dialog->accept() : dialog->reject();
    });
    poll.start(10);
    picker.show();
    return opened;
}

TEST(QtColourPicker, OpensOnTheColourSetOrWhiteAndCancelKeepsTheColour) {
    QtColourPicker picker;
    picker.setFlags(3);
    picker.setColour(0x00009100);
    EXPECT_EQ(fromQColor(pick(picker, QColor(0x12, 0x34, 0x56), true)), 0x00009100u);
    EXPECT_EQ(picker.colour(), 0x00563412u);
    picker.setFlags(0);
    EXPECT_EQ(pick(picker, Qt::black, false), QColor(Qt::white));
    EXPECT_EQ(picker.colour(), 0x00563412u);
}

} // namespace
