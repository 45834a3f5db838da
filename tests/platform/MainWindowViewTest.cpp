// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MainWindowView.h"
#include "platform/QtColours.h"
#include "platform/RasterSurface.h"
#include "settings/Program.h"
#include "support/FakeSerialDevices.h"
#include "support/Fakes.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
    int closed = 0;

    void SetUp() override {
        program.start();
        view = std::make_unique<MainWindowView>(program, surface, 15.0);
        view->setOnClosed([this] { ++closed; });
        view->resize(900, 600);
        view->show();
        QApplication::processEvents();
    }
    QWidget& widget(const char* name) { return *view->mirror().widget(name); }
    void send(QWidget& to, QEvent::Type type, int key, Qt::KeyboardModifiers held, quint32 scan) {
        QKeyEvent event(type, key, held, scan, 0, 0);
        QApplication::sendEvent(&to, &event);
    }
    void press(QWidget& to, int key, quint32 scan) {
        send(to, QEvent::KeyPress, key, Qt::NoModifier, scan);
        send(to, QEvent::KeyRelease, key, Qt::NoModifier, scan);
    }
};

TEST_F(View, TheWindowMirrorsEveryControlAndShowsTheBackBuffer) {
    for (Control* c : program.main().all()) {
        QWidget* w = view->mirror().widget(c->name);
        ASSERT_NE(w, nullptr) << c->name;
        EXPECT_EQ(w->isHidden(), !c->visible) << c->name;
    }
    surface.pen.foreColour = 0x0000FF;
    surface.line(30, 4500, 0, 750); // x = 2 px, below the top-left frame, left of the buttons
    surface.refresh();
    QApplication::processEvents();
    const QImage shown = view->grab().toImage();
    EXPECT_EQ(shown.pixel(2, 320), qRgb(255, 0, 0));
    EXPECT_EQ(fromRgb(shown.pixel(4, 320)), surface.backColour());
}

// H steps HIDE / SHOW through its three states: a key taken twice skips one.
// X reports the modifiers held before the event; the mask is the one after it.
TEST_F(View, KeysAreTakenOnceAtWindowLevelWithTheModifiersTheyLeave) {
    press(widget("Label_RANGE"), Qt::Key_H, SCAN_H);
    EXPECT_TRUE(program.main().SHOW_HIDE == 1 && widget("CmdButton_ACQUIRE").isHidden());
    press(widget("CmdButton_CONTROLS"), Qt::Key_H, SCAN_H);
    EXPECT_EQ(program.main().SHOW_HIDE, 2);
    press(widget("CmdButton_QUIT"), Qt::Key_Space, 65); // never reaches the button
    EXPECT_FALSE(program.closeRequested());
    send(*view, QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier, 37);
    EXPECT_EQ(program.main().CTRL_KEY, 2);
    send(*view, QEvent::KeyPress, Qt::Key_Shift, Qt::ControlModifier, 50);
    EXPECT_EQ(program.main().CTRL_KEY, 3);
    send(*view, QEvent::KeyRelease, Qt::Key_Control, Qt::ControlModifier | Qt::ShiftModifier, 37);
    EXPECT_EQ(program.main().CTRL_KEY, 1);
}

// QUIT closes the window once the program has shut down (settings written).
TEST_F(View, ButtonsRunTheirCommandsAndWidgetsAndFollowersFollowEveryEvent) {
    int runs = 0;
    view->addFollower([&] { ++runs; });
    static_cast<QPushButton&>(widget("CmdButton_CONTROLS")).click();
    EXPECT_TRUE(program.main().SHOW_HIDE == 1 && widget("CmdButton_MEM1").isHidden());
    EXPECT_EQ(runs, 1); // the click alone: no mouse went down
    QFile::remove(folder.path() + "/Vectrin.ini");
    static_cast<QPushButton&>(widget("CmdButton_QUIT")).click();
    EXPECT_TRUE(!view->isVisible() && closed == 1);
    EXPECT_TRUE(QFileInfo::exists(folder.path() + "/Vectrin.ini"));
}

// A new size reaches the back buffer, the layout and the widgets.
TEST_F(View, TheWindowStateGoesThroughTheSurfaceAndResizesTheWindow) {
    EXPECT_FLOAT_EQ(surface.windowSize().width,
                    static_cast<float>(view->frameGeometry().width() * 15));
    surface.setWindowState(WindowState::Normal);
    QApplication::processEvents();
    EXPECT_EQ(surface.image().size(), QSize(652, 453)); // 9780 x 6795 twips
    EXPECT_FLOAT_EQ(program.main().CENTERX, 652 * 15 / 2.0f);
    EXPECT_EQ(widget("CmdButton_MEM1").x(), (view->frameGeometry().width() * 15 - 1200) / 15);
    surface.setWindowState(WindowState::Maximized);
    QApplication::processEvents();
    EXPECT_EQ(view->frameGeometry(), view->screen()->availableGeometry());
}

} // namespace
