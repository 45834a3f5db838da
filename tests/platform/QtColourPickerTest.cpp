#include "platform/QtColourPicker.h"
#include "platform/QtColours.h"

#include <QApplication>
#include <QColorDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Answers the modal colour dialog as soon as it is up.
void whenDialogShows(std::function<void(QColorDialog&)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        poll->stop();
        poll->deleteLater();
        answer(*dialog);
    });
    poll->start(10);
}

TEST(QtColours, RedSitsInTheLowByte) {
    EXPECT_EQ(toRgb(0x00332211), qRgb(0x11, 0x22, 0x33));
    EXPECT_EQ(fromRgb(qRgb(0x11, 0x22, 0x33)), 0x00332211u);
    EXPECT_EQ(fromQColor(toQColor(0x00C0FFEE)), 0x00C0FFEEu);
}

TEST(QtColourPicker, OpensOnTheColourSetAndReturnsTheAcceptedOne) {
    QtColourPicker picker;
    picker.setFlags(3);
    picker.setColour(0x00009100);
    QColor shown;
    whenDialogShows([&](QColorDialog& dialog) {
        shown = dialog.currentColor();
        dialog.setCurrentColor(QColor(0x12, 0x34, 0x56));
        dialog.accept();
    });
    picker.show();
    EXPECT_EQ(fromQColor(shown), 0x00009100u);
    EXPECT_EQ(picker.colour(), 0x00563412u);
}

TEST(QtColourPicker, CancelKeepsTheColourSetBefore) {
    QtColourPicker picker;
    picker.setFlags(3);
    picker.setColour(0x004080FF);
    whenDialogShows([](QColorDialog& dialog) {
        dialog.setCurrentColor(Qt::black);
        dialog.reject();
    });
    picker.show();
    EXPECT_EQ(picker.colour(), 0x004080FFu);
}

TEST(QtColourPicker, WithoutTheInitialColourFlagItOpensOnWhite) {
    QtColourPicker picker;
    picker.setFlags(0);
    picker.setColour(0x00009100);
    QColor shown;
    whenDialogShows([&](QColorDialog& dialog) {
        shown = dialog.currentColor();
        dialog.reject();
    });
    picker.show();
    EXPECT_EQ(shown, QColor(Qt::white));
    EXPECT_EQ(picker.colour(), 0x00009100u);
}

} // namespace
