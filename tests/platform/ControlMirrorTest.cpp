#include "platform/ControlMirror.h"
#include "platform/QtColours.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

Control control(const char* name, ControlKind kind, const char* container, Long left, Long top,
                Long width, Long height) {
    Control c;
    c.name = name;
    c.kind = kind;
    c.container = container;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    return c;
}

struct Mirror : ::testing::Test {
    QWidget window;
    Control frame = control("Frame_A", ControlKind::Frame, "", 150, 300, 1500, 1500);
    Control label = control("Label_A", ControlKind::Label, "Frame_A", 0, 15, 1500, 255);
    Control button = control("CmdButton_A", ControlKind::Button, "", 1800, 150, 1455, 375);
    std::vector<std::string> events;
    ControlMirror* mirror = nullptr;

    void SetUp() override {
        frame.backColour = 0x557B78;
        label.caption = "RANGE : 60 BRGS ";
        label.textColour = 0x9BCEDF;
        label.font = Font{"Arial", 8.25f, true, false};
        button.caption = "R:REDUCE        10%  ";
        button.backColour = 0x6F9B98;
        button.font = Font{"Small Fonts", 6.75f, false, false};
        ControlMirror::ButtonHandlers handlers;
        handlers.pressed = [this](const std::string& n) { events.push_back("pressed " + n); };
        handlers.released = [this](const std::string& n) { events.push_back("released " + n); };
        handlers.clicked = [this](const std::string& n) { events.push_back("clicked " + n); };
        mirror = new ControlMirror(window, {&frame, &label, &button}, 15.0, handlers);
    }
    void TearDown() override { delete mirror; }

    template <typename W> W& widget(const char* name) {
        auto* w = qobject_cast<W*>(mirror->widget(name));
        EXPECT_NE(w, nullptr) << name;
        return *w;
    }
};

TEST_F(Mirror, EachControlBecomesAWidgetInItsContainerPlacedInPixels) {
    auto& f = widget<QFrame>("Frame_A");
    auto& l = widget<QLabel>("Label_A");
    auto& b = widget<QPushButton>("CmdButton_A");
    EXPECT_EQ(f.parentWidget(), &window);
    EXPECT_EQ(l.parentWidget(), &f);
    EXPECT_EQ(b.parentWidget(), &window);
    EXPECT_EQ(f.geometry(), QRect(10, 20, 100, 100));
    EXPECT_EQ(l.geometry(), QRect(0, 1, 100, 17));
    EXPECT_EQ(b.geometry(), QRect(120, 10, 97, 25));
    EXPECT_EQ(f.frameShape(), QFrame::NoFrame);
    EXPECT_EQ(mirror->widgets().size(), 3u);
    EXPECT_EQ(mirror->widget("Label_B"), nullptr);
}

TEST_F(Mirror, CaptionsColoursAndFontsAreShownAsTheModelHasThem) {
    auto& l = widget<QLabel>("Label_A");
    auto& b = widget<QPushButton>("CmdButton_A");
    EXPECT_EQ(l.text(), QStringLiteral("RANGE : 60 BRGS "));
    EXPECT_EQ(b.text(), QStringLiteral("R:REDUCE        10%  "));
    EXPECT_EQ(fromQColor(l.palette().color(QPalette::WindowText)), 0x9BCEDFu);
    EXPECT_FALSE(l.autoFillBackground()); // transparent
    EXPECT_TRUE(widget<QFrame>("Frame_A").autoFillBackground());
    EXPECT_EQ(fromQColor(widget<QFrame>("Frame_A").palette().color(QPalette::Window)), 0x557B78u);
    EXPECT_EQ(fromQColor(b.palette().color(QPalette::Button)), 0x6F9B98u);
    EXPECT_EQ(l.font().family(), QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(l.font().bold());
    EXPECT_DOUBLE_EQ(l.font().pointSizeF(), 8.25);
    EXPECT_EQ(b.focusPolicy(), Qt::NoFocus);
}

TEST_F(Mirror, SyncAppliesWhatChangedInTheModel) {
    window.show();
    label.caption = "RANGE : 120 BRGS ";
    label.visible = false;
    button.left = 3000;
    button.caption = "A & B";
    button.backColour = 0x808080;
    frame.backColour = 0x000000;
    mirror->sync();
    EXPECT_EQ(widget<QLabel>("Label_A").text(), QStringLiteral("RANGE : 120 BRGS "));
    EXPECT_FALSE(widget<QLabel>("Label_A").isVisible());
    EXPECT_EQ(widget<QPushButton>("CmdButton_A").geometry(), QRect(200, 10, 97, 25));
    EXPECT_EQ(widget<QPushButton>("CmdButton_A").text(), QStringLiteral("A && B"));
    EXPECT_EQ(fromQColor(widget<QPushButton>("CmdButton_A").palette().color(QPalette::Button)),
              0x808080u);
    EXPECT_EQ(fromQColor(widget<QFrame>("Frame_A").palette().color(QPalette::Window)), 0u);

    label.visible = true;
    frame.visible = false;
    mirror->sync();
    EXPECT_FALSE(widget<QLabel>("Label_A").isVisible()); // its frame hides it
    EXPECT_TRUE(widget<QLabel>("Label_A").isVisibleTo(&widget<QFrame>("Frame_A")));
}

TEST_F(Mirror, ButtonsReportPressReleaseAndClickInThatOrder) {
    widget<QPushButton>("CmdButton_A").click();
    EXPECT_EQ(events, (std::vector<std::string>{"pressed CmdButton_A", "released CmdButton_A",
                                                "clicked CmdButton_A"}));
}

TEST_F(Mirror, OnlyLabelsTallEnoughForTwoLinesWrap) {
    EXPECT_FALSE(widget<QLabel>("Label_A").wordWrap());
    label.height = 735;
    mirror->sync();
    EXPECT_TRUE(widget<QLabel>("Label_A").wordWrap());
}

} // namespace
