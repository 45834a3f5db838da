// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ControlMirror.h"
#include "platform/QtColours.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

Colour colour(const QWidget& widget, QPalette::ColorRole role) {
    return fromQColor(widget.palette().color(role));
}

// A frame holding a label, and a button beside it, at 15 twips per pixel.
struct Mirror : ::testing::Test {
    QWidget window;
    Control frame = placeControl("Frame_A", ControlKind::Frame, "", "", 150, 300, 1500, 1500);
    Control label = placeControl("Label_A", ControlKind::Label, "Frame_A", "RANGE : 60 BRGS ", 0,
                                 15, 1500, 255);
    Control button = placeControl("CmdButton_A", ControlKind::Button, "", "R:REDUCE        10%  ",
                                  1800, 150, 1455, 375);
    std::string events; // p pressed, r released, c clicked
    std::unique_ptr<ControlMirror> mirror;

    void SetUp() override {
        frame.backColour = 0x557B78;
        label.textColour = 0x9BCEDF;
        label.font = Font{"Arial", 8.25f, true, false};
        auto record = [this](char what) {
            return [this, what](const std::string&) { events += what; };
        };
        mirror = std::make_unique<ControlMirror>(
            window, std::vector{&frame, &label, &button}, 15.0,
            ControlMirror::ButtonHandlers{record('p'), record('r'), record('c')});
        window.show();
    }
    QWidget& f() { return *mirror->widget("Frame_A"); }
    QLabel& l() { return *qobject_cast<QLabel*>(mirror->widget("Label_A")); }
    QPushButton& b() { return *qobject_cast<QPushButton*>(mirror->widget("CmdButton_A")); }
};

// One line tall, the label does not wrap; with no back colour it is transparent.
TEST_F(Mirror, EachControlBecomesAWidgetInItsContainerAsTheModelHasIt) {
    ASSERT_TRUE(qobject_cast<QLabel*>(mirror->widget("Label_A")) &&
                qobject_cast<QPushButton*>(mirror->widget("CmdButton_A")));
    EXPECT_EQ(std::tuple(l().parentWidget(), f().geometry(), l().geometry(), l().wordWrap(),
                         l().autoFillBackground(), colour(l(), QPalette::WindowText),
                         colour(f(), QPalette::Window), l().font().family(), l().font().bold()),
              std::tuple(&f(), QRect(10, 20, 100, 100), QRect(0, 1, 100, 17), false, false,
                         0x9BCEDFu, 0x557B78u, QStringLiteral("Liberation Sans"), true));
}

// Two lines tall, the label wraps; the ampersand is no shortcut letter.
TEST_F(Mirror, SyncAppliesWhatChanged) {
    label.caption = "RANGE : 120 BRGS ";
    label.visible = false;
    label.height = 735;
    button.left = 3000;
    button.caption = "A & B";
    button.backColour = 0x808080;
    mirror->sync();
    EXPECT_EQ(std::tuple(l().text(), l().isVisible(), l().wordWrap(), b().geometry(), b().text(),
                         colour(b(), QPalette::Button)),
              std::tuple(QStringLiteral("RANGE : 120 BRGS "), false, true, QRect(200, 10, 97, 25),
                         QStringLiteral("A && B"), 0x808080u));
}

// A mouse event or Hide, its button, the buttons held after it, whether the
// pointer is on the button, and what was heard by the end of the step.
using Step = std::tuple<QEvent::Type, Qt::MouseButton, Qt::MouseButtons, bool, const char*>;

constexpr auto PRESS = QEvent::MouseButtonPress;
constexpr auto RELEASE = QEvent::MouseButtonRelease;
constexpr auto L = Qt::LeftButton;
constexpr auto R = Qt::RightButton;
constexpr auto NONE = Qt::NoButton;

// A button is held from the first mouse button down on it until the last one
// comes up, whichever button, wherever the pointer has gone. A press, a
// release and a click on a button are worked end to end.
TEST_F(Mirror, AButtonIsHeldFromAnyMouseButtonDownUntilTheLastComesUpWhereverThePointerIs) {
    const std::vector<std::vector<Step>> presses = {
        {{PRESS, R, R, true, "p"},
         {QEvent::MouseMove, NONE, R, false, "p"}, // slid off: still held
         {RELEASE, R, NONE, false, "pr"}},
        {{PRESS, R, R, true, "p"},
         {PRESS, L, L | R, true, "p"},
         {RELEASE, R, L, true, "p"},
         {RELEASE, L, NONE, false, "pr"}},
        {{PRESS, R, R, true, "p"}, {QEvent::Hide, NONE, NONE, true, "pr"}},
    };
    for (std::size_t i = 0; i < presses.size(); ++i) {
        events.clear();
        for (const auto& [type, which, held, onTheButton, heard] : presses[i]) {
            if (type == QEvent::Hide) {
                QHideEvent hide;
                QApplication::sendEvent(&b(), &hide);
            } else {
                const QPointF at(onTheButton ? 40 : 200, 12);
                QMouseEvent mouse(type, at, b().mapToGlobal(at), which, held, Qt::NoModifier);
                QApplication::sendEvent(&b(), &mouse);
            }
            EXPECT_EQ(events, heard) << "press " << i;
        }
    }
}

} // namespace
