#include "commands/Stepping.h"
#include "KeyPress.h"
#include "commands/ButtonDispatch.h"
#include "core/Captions.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

namespace {

// The stepping commands on a window whose generator is stopped, so the cycles
// they run add no bearings of their own. The auto-repeat timer is wired to its
// tick handler as the program wires it.
struct Stepping : ::testing::Test {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    void SetUp() override {
        f.SIMULATE_TIMER = false;
        rig.timerMouseDown.setTickHandler([this] { Timer_MOUSE_DOWN_Timer(f); });
    }

    void click(const char* button) { CmdButton_Click(f, button); }
    // A press held for the first repeat and `repeats - 1` more ticks, then
    // released: mouse-down, ticks, mouse-up, click, as the platform delivers it.
    void hold(const char* button, int repeats) {
        CmdButton_MouseDown(f, button);
        for (int tick = 0; tick < repeats; ++tick)
            rig.timerMouseDown.fire();
        CmdButton_MouseUp(f, button);
        CmdButton_Click(f, button);
    }
    bool cycleRan() const {
        return !rig.surface.ops.empty() && rig.surface.ops.back().kind == DrawOp::Refresh;
    }
};

TEST_F(Stepping, CursorKeysStepByOneAndWrap) {
    f.CURSOR_BEARING = 3;
    pressKey(rig, keypad(2));
    EXPECT_EQ(f.CURSOR_BEARING, 2);
    f.CURSOR_BEARING = 0;
    pressKey(rig, keypad(2));
    EXPECT_EQ(f.CURSOR_BEARING, 359);
    pressKey(rig, keypad(8));
    EXPECT_EQ(f.CURSOR_BEARING, 0);
    EXPECT_TRUE(cycleRan());
}

TEST_F(Stepping, AModifierMakesTenDegreeStepsThatWrap) {
    f.CURSOR_BEARING = 355;
    pressKey(rig, keypad(8), CTRL_MASK);
    EXPECT_EQ(f.CURSOR_BEARING, 5);
    pressKey(rig, keypad(2), SHIFT_MASK);
    EXPECT_EQ(f.CURSOR_BEARING, 355);
    f.HEADING = 5;
    pressKey(rig, keypad(4), ALT_MASK);
    EXPECT_EQ(f.HEADING, 355);
}

TEST_F(Stepping, CtrlHeldThenKeypad6StepsTheHeadingByTen) {
    f.HEADING = 20;
    pressKey(rig, VK_CONTROL, CTRL_MASK);
    pressKey(rig, keypad(6), CTRL_MASK);
    EXPECT_EQ(f.HEADING, 30);
    EXPECT_EQ(f.Label_HDG.caption, "MAN 030 TRU");
    releaseKey(rig, VK_CONTROL, 0);
    pressKey(rig, keypad(6));
    EXPECT_EQ(f.HEADING, 31);
}

TEST_F(Stepping, ASingleClockwiseStepFrom359GivesNorthAsZero) {
    f.HEADING = 359;
    click("CmdButton_HDG_CW");
    EXPECT_EQ(f.HEADING, 0);
    EXPECT_EQ(f.HEADING_STRING, "000");
    EXPECT_EQ(f.Label_HDG.caption, "MAN 000 TRU");
    click("CmdButton_HDG_CCW");
    EXPECT_EQ(f.HEADING, 359);
    EXPECT_EQ(f.Label_HDG.caption, "MAN 359 TRU");
}

TEST_F(Stepping, TheHeadingTextHasThreeDigitsAndKeepsTheLabelEnding) {
    f.Label_HDG.caption = "MAN 000 MAG";
    for (auto [before, shown] : {std::pair{4, "005"}, {89, "090"}, {99, "100"}, {8, "009"}}) {
        f.HEADING = static_cast<Integer>(before);
        click("CmdButton_HDG_CW");
        EXPECT_EQ(f.HEADING_STRING, shown);
        EXPECT_EQ(f.Label_HDG.caption, std::string("MAN ") + shown + " MAG");
    }
}

TEST_F(Stepping, StepsAskForTheRedrawsTheyNeed) {
    click("CmdButton_CUR_CW");
    EXPECT_EQ(f.CURSOR_BEARING, 1);
    EXPECT_TRUE(f.NEWCURSOR);
    EXPECT_TRUE(cycleRan());
    rig.surface.ops.clear();
    f.NEWCURSOR = false;
    click("CmdButton_HDG_CW");
    EXPECT_FALSE(f.NEWCURSOR);
    EXPECT_TRUE(cycleRan());
}

TEST_F(Stepping, MouseDownArmsTheRepeatAndMouseUpStopsIt) {
    CmdButton_MouseDown(f, "CmdButton_HDG_CCW");
    EXPECT_TRUE(rig.timerMouseDown.enabled());
    EXPECT_EQ(rig.timerMouseDown.interval(), 500);
    EXPECT_EQ(f.MOUSE_DOWN_STRING, "HDG_CCW");
    CmdButton_MouseUp(f, "CmdButton_HDG_CCW");
    EXPECT_FALSE(rig.timerMouseDown.enabled());
    EXPECT_EQ(rig.timerMouseDown.interval(), 500);
    EXPECT_EQ(f.MOUSE_DOWN_STRING, "NONE");
}

TEST_F(Stepping, OtherButtonsAndKeysNeverArmTheRepeat) {
    CmdButton_MouseDown(f, "CmdButton_ACQUIRE");
    EXPECT_FALSE(rig.timerMouseDown.enabled());
    pressKey(rig, keypad(8));
    EXPECT_FALSE(rig.timerMouseDown.enabled());
    EXPECT_EQ(f.MOUSE_DOWN_STRING, "");
}

TEST_F(Stepping, APressReleasedBeforeTheFirstRepeatStepsOnce) {
    f.CURSOR_BEARING = 100;
    hold("CmdButton_CUR_CW", 0);
    EXPECT_EQ(f.CURSOR_BEARING, 101);
    f.CTRL_KEY = CTRL_MASK;
    hold("CmdButton_CUR_CCW", 0);
    EXPECT_EQ(f.CURSOR_BEARING, 91);
}

TEST_F(Stepping, TheFirstRepeatStepsTenAndSpeedsTheTimerUp) {
    f.HEADING = 355;
    CmdButton_MouseDown(f, "CmdButton_HDG_CW");
    rig.timerMouseDown.fire();
    EXPECT_EQ(f.HEADING, 5);
    EXPECT_TRUE(f.BIGSTEP);
    EXPECT_EQ(rig.timerMouseDown.interval(), 1);
    EXPECT_TRUE(cycleRan());
}

TEST_F(Stepping, TheClosingClickOfARepeatedPressOnlyClearsBigStep) {
    f.HEADING = 355;
    hold("CmdButton_HDG_CW", 1);
    EXPECT_EQ(f.HEADING, 5);
    EXPECT_FALSE(f.BIGSTEP);
    click("CmdButton_HDG_CW");
    EXPECT_EQ(f.HEADING, 6);
}

TEST_F(Stepping, TheHeadingRepeatsClockwiseOntoNorthAs360) {
    f.HEADING = 350;
    hold("CmdButton_HDG_CW", 1);
    EXPECT_EQ(f.HEADING, 360);
    EXPECT_EQ(f.Label_HDG.caption, "MAN 360 TRU");
    hold("CmdButton_HDG_CW", 1);
    EXPECT_EQ(f.HEADING, 10);
    f.HEADING = 360;
    click("CmdButton_HDG_CW");
    EXPECT_EQ(f.HEADING, 1);
}

TEST_F(Stepping, RepeatsWrapTheOtherDirectionsWithin0To359) {
    f.HEADING = 5;
    hold("CmdButton_HDG_CCW", 1);
    EXPECT_EQ(f.HEADING, 355);
    f.CURSOR_BEARING = 355;
    hold("CmdButton_CUR_CW", 1);
    EXPECT_EQ(f.CURSOR_BEARING, 5);
    f.CURSOR_BEARING = 350;
    hold("CmdButton_CUR_CW", 1);
    EXPECT_EQ(f.CURSOR_BEARING, 0);
    f.CURSOR_BEARING = 5;
    hold("CmdButton_CUR_CCW", 1);
    EXPECT_EQ(f.CURSOR_BEARING, 355);
}

TEST_F(Stepping, AHoldStepsTenPerTickAndReleasingAddsNoStep) {
    f.CURSOR_BEARING = 0;
    CmdButton_MouseDown(f, "CmdButton_CUR_CW");
    for (int tick = 0; tick < 7; ++tick)
        rig.timerMouseDown.fire();
    EXPECT_EQ(f.CURSOR_BEARING, 70);
    CmdButton_MouseUp(f, "CmdButton_CUR_CW");
    rig.timerMouseDown.fire();
    CmdButton_Click(f, "CmdButton_CUR_CW");
    EXPECT_EQ(f.CURSOR_BEARING, 70);
}

TEST_F(Stepping, ARepeatEndedWithoutAClickSwallowsTheNextStepOfAnyButton) {
    f.CURSOR_BEARING = 0;
    CmdButton_MouseDown(f, "CmdButton_CUR_CW");
    rig.timerMouseDown.fire();
    CmdButton_MouseUp(f, "CmdButton_CUR_CW");
    f.HEADING = 40;
    pressKey(rig, keypad(6));
    EXPECT_EQ(f.HEADING, 40);
    EXPECT_FALSE(f.BIGSTEP);
    pressKey(rig, keypad(6));
    EXPECT_EQ(f.HEADING, 41);
}

TEST_F(Stepping, ATickWithNoButtonHeldDoesNothing) {
    f.MOUSE_DOWN_STRING = "NONE";
    f.HEADING = 7;
    Timer_MOUSE_DOWN_Timer(f);
    EXPECT_EQ(f.HEADING, 7);
    EXPECT_FALSE(f.BIGSTEP);
    EXPECT_TRUE(rig.surface.ops.empty());
}

TEST_F(Stepping, WithVarOnEveryHeadingStepKeepsTheMagneticEnding) {
    CmdButton_Click(f, "CmdButton_VAR");
    ASSERT_EQ(f.CmdButton_VAR.caption, VAR_ON);
    f.HEADING = 6;
    click("CmdButton_HDG_CW");
    EXPECT_EQ(f.Label_HDG.caption, "MAN 007 MAG");
    hold("CmdButton_HDG_CCW", 1);
    EXPECT_EQ(f.Label_HDG.caption, "MAN 357 MAG");
}

} // namespace
