#include "platform/MainWindowView.h"
#include "platform/QtColours.h"
#include "platform/RasterSurface.h"
#include "settings/Program.h"
#include "support/Fakes.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr quint32 SCAN_H = 43;

// The main window view over the real program, with fake serial port, clock,
// timers and colour picker, drawing into a real raster surface offscreen.
struct View : ::testing::Test {
    QTemporaryDir folder;
    RasterSurface surface{96};
    FakeSerialPort serial;
    FakeClock clock;
    FakeTimer timer1;
    FakeTimer timerMouseDown;
    FakeColourPicker picker;
    Program program{ProgramPorts{surface, serial, clock, timer1, timerMouseDown, picker,
                                 folder.path().toStdString(), SystemColours{}}};
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

    QWidget& widget(const char* name) {
        QWidget* w = view->mirror().widget(name);
        EXPECT_NE(w, nullptr) << name;
        return *w;
    }
    void send(QWidget& target, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
              quint32 scan = 0) {
        QKeyEvent event(type, key, modifiers, scan, 0, 0);
        QApplication::sendEvent(&target, &event);
    }
};

TEST_F(View, TheWindowIsTitledAndMirrorsEveryControl) {
    EXPECT_EQ(view->windowTitle(), QStringLiteral("ZIRC DF Display"));
    for (Control* c : program.main().all()) {
        QWidget* w = view->mirror().widget(c->name);
        ASSERT_NE(w, nullptr) << c->name;
        EXPECT_EQ(w->isHidden(), !c->visible) << c->name;
    }
    auto& quit = static_cast<QPushButton&>(widget("CmdButton_QUIT"));
    EXPECT_EQ(quit.text(), QStringLiteral("Q:QUIT PROGRAM  "));
    EXPECT_EQ(quit.geometry(), QRect(8, 240, 97, 25));
    EXPECT_EQ(widget("Label_LAST_BRG").parentWidget(), &widget("Frame_TOP_LEFT"));
    EXPECT_TRUE(widget("CmdButton_SAVE").isHidden());
}

TEST_F(View, AResizeResizesTheBackBufferAndLaysTheWindowOutAgain) {
    EXPECT_EQ(surface.image().size(), QSize(900, 600));
    EXPECT_FLOAT_EQ(program.main().CENTERX, 900 * 15 / 2.0f);
    view->resize(1000, 700);
    QApplication::processEvents();
    EXPECT_EQ(surface.image().size(), QSize(1000, 700));
    EXPECT_FLOAT_EQ(program.main().CENTERX, 1000 * 15 / 2.0f);
    // The memory buttons follow the right edge, and their widgets with them.
    EXPECT_EQ(widget("CmdButton_MEM1").x(), (view->frameGeometry().width() * 15 - 1200) / 15);
}

TEST_F(View, TheClientAreaShowsTheBackBuffer) {
    surface.pen.foreColour = 0x0000FF;
    surface.pen.lineWidth = 1;
    surface.line(30, 4500, 0, 750); // x = 2 px, below the top-left frame, left of the buttons
    surface.refresh();
    QApplication::processEvents();
    const QImage shown = view->grab().toImage();
    EXPECT_EQ(shown.pixel(2, 320), qRgb(255, 0, 0));
    EXPECT_EQ(fromRgb(shown.pixel(4, 320)), surface.backColour());
}

TEST_F(View, KeysAreTakenAtWindowLevelOnceWhicheverWidgetGetsThem) {
    // H presses HIDE / SHOW: one step hides the command buttons.
    send(widget("Label_RANGE"), QEvent::KeyPress, Qt::Key_H, Qt::NoModifier, SCAN_H);
    send(widget("Label_RANGE"), QEvent::KeyRelease, Qt::Key_H, Qt::NoModifier, SCAN_H);
    EXPECT_EQ(program.main().SHOW_HIDE, 1);
    EXPECT_TRUE(widget("CmdButton_ACQUIRE").isHidden());
    EXPECT_TRUE(widget("CmdButton_CONTROLS").isVisible());

    send(widget("CmdButton_CONTROLS"), QEvent::KeyPress, Qt::Key_H, Qt::NoModifier, SCAN_H);
    send(*view, QEvent::KeyPress, Qt::Key_H, Qt::NoModifier, SCAN_H);
    EXPECT_EQ(program.main().SHOW_HIDE, 0);
    EXPECT_FALSE(widget("CmdButton_ACQUIRE").isHidden());
}

TEST_F(View, KeysNeverReachTheButtonUnderThem) {
    send(widget("CmdButton_QUIT"), QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, 65);
    send(widget("CmdButton_QUIT"), QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, 65);
    EXPECT_FALSE(program.closeRequested());
    EXPECT_TRUE(view->isVisible());
}

// X reports the modifiers held before the event; the mask is the one after it.
TEST_F(View, ModifierKeysThemselvesSetTheMaskTheyLeave) {
    send(*view, QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier, 37);
    EXPECT_EQ(program.main().CTRL_KEY, 2);
    send(*view, QEvent::KeyPress, Qt::Key_Shift, Qt::ControlModifier, 50);
    EXPECT_EQ(program.main().CTRL_KEY, 3);
    send(*view, QEvent::KeyRelease, Qt::Key_Control, Qt::ControlModifier | Qt::ShiftModifier, 37);
    EXPECT_EQ(program.main().CTRL_KEY, 1);
    send(*view, QEvent::KeyRelease, Qt::Key_Shift, Qt::ShiftModifier, 50);
    EXPECT_EQ(program.main().CTRL_KEY, 0);
}

TEST_F(View, AButtonClickRunsItsCommandAndTheWidgetsFollow) {
    static_cast<QPushButton&>(widget("CmdButton_CONTROLS")).click();
    EXPECT_EQ(program.main().SHOW_HIDE, 1);
    EXPECT_TRUE(widget("CmdButton_MEM1").isHidden());
}

TEST_F(View, QuitClosesTheWindowAfterTheProgramHasShutDown) {
    const QString settings = folder.path() + "/Vectrin.ini";
    QFile::remove(settings);
    static_cast<QPushButton&>(widget("CmdButton_QUIT")).click();
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(QFileInfo::exists(settings));
}

TEST_F(View, TheWindowStateGoesThroughTheSurfaceAndResizesTheWindow) {
    EXPECT_FLOAT_EQ(surface.windowSize().width,
                    static_cast<float>(view->frameGeometry().width()) * 15.0f);
    surface.setWindowState(WindowState::Normal);
    QApplication::processEvents();
    EXPECT_EQ(view->size(), QSize(652, 453)); // the design client area, 9780 x 6795 twips
    EXPECT_EQ(surface.image().size(), QSize(652, 453));
    surface.setWindowState(WindowState::Maximized);
    QApplication::processEvents();
    EXPECT_EQ(view->frameGeometry(), view->screen()->availableGeometry());
}

TEST_F(View, FollowersRunAfterEveryEvent) {
    int runs = 0;
    view->addFollower([&] { ++runs; });
    send(*view, QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, 50);
    static_cast<QPushButton&>(widget("CmdButton_SECTOR")).click();
    EXPECT_EQ(runs, 1 + 3); // the key; press, release and click of the button
}

} // namespace
