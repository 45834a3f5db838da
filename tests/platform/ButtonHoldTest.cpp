// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ControlMirror.h"
#include "platform/QtTimer.h"
#include "platform/QtWait.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Step {
    QEvent::Type type; // a mouse event, or Hide
    Qt::MouseButton button;
    Qt::MouseButtons held; // after the event
    bool onTheButton;
    const char* heard; // by the end of this step: p pressed, r released, c clicked
};

constexpr auto PRESS = QEvent::MouseButtonPress;
constexpr auto MOVE = QEvent::MouseMove;
constexpr auto RELEASE = QEvent::MouseButtonRelease;
constexpr auto L = Qt::LeftButton;
constexpr auto R = Qt::RightButton;
constexpr auto NONE = Qt::NoButton;

// Through the mirror's button widget: a stepping button is held from the first mouse button down on
// it until the last one comes up, whichever button, wherever the pointer has gone.
TEST(ButtonHold, HoldsFromAnyMouseButtonDownUntilTheLastComesUpWhereverThePointerIs) {
    const std::vector<std::vector<Step>> presses = {
        {{PRESS, L, L, true, "p"}, {RELEASE, L, NONE, true, "prc"}},
        {{PRESS, L, L, true, "p"},
         {MOVE, NONE, L, false, "p"}, // slid off: still held
         {RELEASE, L, NONE, false, "pr"}},
        {{PRESS, R, R, true, "p"}, {MOVE, NONE, R, false, "p"}, {RELEASE, R, NONE, false, "pr"}},
        {{PRESS, R, R, true, "p"},
         {PRESS, L, L | R, true, "p"},
         {RELEASE, R, L, true, "p"},
         {RELEASE, L, NONE, false, "pr"}},
        {{PRESS, R, R, true, "p"}, {QEvent::Hide, NONE, NONE, true, "pr"}},
    };
    for (std::size_t i = 0; i < presses.size(); ++i) {
        QWidget window;
        Control model = placeControl("CmdButton_CUR_CW", ControlKind::Button, "", "8 : CUR CW", 0,
                                     0, 1200, 375);
        std::string heard;
        const auto hear = [&heard](char what) {
            return [&heard, what](const std::string&) { heard += what; };
        };
        const ControlMirror mirror(window, {&model}, 15.0, {hear('p'), hear('r'), hear('c')});
        QWidget& button = *mirror.widget("CmdButton_CUR_CW");
        for (const Step& step : presses[i]) {
            if (step.type == QEvent::Hide) {
                QHideEvent hide;
                QApplication::sendEvent(&button, &hide);
            } else {
                const QPointF at(step.onTheButton ? 40 : 200, 12);
                QMouseEvent mouse(step.type, at, button.mapToGlobal(at), step.button, step.held,
                                  Qt::NoModifier);
                QApplication::sendEvent(&button, &mouse);
            }
            EXPECT_EQ(heard, step.heard) << "press " << i;
        }
    }
}

// The auto-repeat asks for 1 ms; the platform's timer ticks at most about 60
// times a second (never more often than every 17 ms on average).
TEST(ButtonHold, TheRepeatTimerTicksAtMostSixtyTimesASecond) {
    QtTimer repeat;
    int ticks = 0;
    repeat.setTickHandler([&] { ++ticks; });
    QElapsedTimer clock;
    clock.start();
    repeat.setInterval(1);
    repeat.setEnabled(true);
    ASSERT_TRUE(waitUntil([&] { return ticks >= 10; }, 10000));
    repeat.setEnabled(false);
    EXPECT_LE(ticks, clock.elapsed() / 17 + 2) << ticks << " ticks in " << clock.elapsed() << " ms";
}

} // namespace
