// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MainWindowView.h"
#include "platform/RasterSurface.h"
#include "settings/Program.h"
#include "support/FakeSerialDevices.h"
#include "support/Fakes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

namespace {

constexpr quint32 SCAN_H = 43; // the X keycode of H

// The main window view over the real program, with fake serial port, clock,
// timers and colour picker, drawing into a real raster surface offscreen.
struct View : ::testing::Test {
    QTemporaryDir folder;
    RasterSurface surface{96};
    FakeSerialPort serial;
    FakeClock clock;
    FakeTimer timer1, timerMouseDown;
    FakeColourPicker picker;
    FakeSerialDevices devices;
    Program program{ProgramPorts{surface, serial, clock, timer1, timerMouseDown, picker,
                                 folder.path().toStdString(), SystemColours{}, devices}};
    std::unique_ptr<MainWindowView> view;
    int followed = 0;

    void SetUp() override {
        program.start();
        view = std::make_unique<MainWindowView>(program, surface, 15.0);
        view->addFollower([this] { ++followed; });
        view->show();
    }
    QWidget& widget(const char* name) { return *view->mirror().widget(name); }
    void press(QWidget& to, int key, quint32 scan) {
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, Qt::NoModifier, scan, 0, 0);
            QApplication::sendEvent(&to, &event);
        }
    }
};

TEST_F(View, TheWindowMirrorsEveryControl) {
    for (Control* c : program.main().all()) {
        QWidget* w = view->mirror().widget(c->name);
        ASSERT_NE(w, nullptr) << c->name;
        EXPECT_EQ(w->isHidden(), !c->visible) << c->name;
    }
}

// H steps HIDE / SHOW through its three states: a key taken twice skips one.
// Each key event is followed once; none reaches the control it was sent to.
TEST_F(View, KeysAreTakenOnceAtWindowLevelAndFollowed) {
    const int before = followed;
    press(widget("Label_RANGE"), Qt::Key_H, SCAN_H);
    EXPECT_TRUE(program.main().SHOW_HIDE == 1 && widget("CmdButton_ACQUIRE").isHidden());
    press(widget("CmdButton_CONTROLS"), Qt::Key_H, SCAN_H);
    press(widget("CmdButton_QUIT"), Qt::Key_Space, 65); // never reaches the button
    EXPECT_EQ(std::tuple(program.main().SHOW_HIDE, program.closeRequested(), followed - before),
              std::tuple(2, false, 6));
}

} // namespace
