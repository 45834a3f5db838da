// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/Stepping.h"
#include "KeyPress.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The auto-repeat timer is wired to its tick handler as the program wires it.
struct Stepping : ::testing::Test {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    void SetUp() override {
        rig.timerMouseDown.setTickHandler([this] { Timer_MOUSE_DOWN_Timer(f); });
    }
};

TEST_F(Stepping, EachHandlerWrapsAsItsRuleSays) {
    struct Row {
        const char* button;
        int ctrlKey, ticks; // ticks 0: released before the first repeat
        Integer before, after;
        const char* label; // the heading label after the step
    };
    const Row rows[] = {
        {"CUR_CW", 0, 0, 359, 0, "MAN 123 TRU"},   {"CUR_CW", 2, 0, 355, 5, "MAN 123 TRU"},
        {"CUR_CCW", 0, 0, 0, 359, "MAN 123 TRU"},  {"CUR_CW", 0, 1, 350, 0, "MAN 123 TRU"},
        {"CUR_CCW", 0, 1, 5, 355, "MAN 123 TRU"},  {"HDG_CW", 0, 0, 359, 0, "MAN 000 TRU"},
        {"HDG_CW", 0, 0, 360, 1, "MAN 001 TRU"},   {"HDG_CCW", 1, 0, 5, 355, "MAN 355 MAG"},
        {"HDG_CW", 0, 1, 350, 360, "MAN 360 TRU"}, {"HDG_CW", 0, 1, 355, 5, "MAN 005 MAG"},
        {"HDG_CCW", 0, 1, 20, 10, "MAN 010 MAG"},  {"HDG_CW", 1, 0, 90, 100, "MAN 100 TRU"},
    };
    for (const Row& row : rows) {
        const std::string button = std::string("CmdButton_") + row.button;
        SCOPED_TRACE(button + " from " + std::to_string(row.before));
        f.CTRL_KEY = static_cast<Integer>(row.ctrlKey);
        f.CURSOR_BEARING = f.HEADING = row.before;
        f.Label_HDG.caption = std::string("MAN 123") + (row.label + 7);
        rig.surface.ops.clear();
        // One press as the platform delivers it: down, ticks, up, click.
        CmdButton_MouseDown(f, button);
        for (int tick = 0; tick < row.ticks; ++tick)
            rig.timerMouseDown.fire();
        CmdButton_MouseUp(f, button);
        CmdButton_Click(f, button);
        EXPECT_EQ(row.button[0] == 'H' ? f.HEADING : f.CURSOR_BEARING, row.after);
        EXPECT_EQ(f.Label_HDG.caption, row.label);
        EXPECT_TRUE(cycleRan(rig));
    }
}

TEST_F(Stepping, AHeldButtonRepeatsTenAfter500MsThenAtOnceAndOnlyUntilReleased) {
    f.CURSOR_BEARING = 0;
    CmdButton_MouseDown(f, "CmdButton_ACQUIRE");
    EXPECT_FALSE(rig.timerMouseDown.enabled());
    CmdButton_MouseDown(f, "CmdButton_CUR_CW");
    EXPECT_TRUE(rig.timerMouseDown.enabled());
    EXPECT_EQ(rig.timerMouseDown.interval(), 500);
    rig.timerMouseDown.fire();
    EXPECT_EQ(rig.timerMouseDown.interval(), 1);
    for (int tick = 0; tick < 6; ++tick)
        rig.timerMouseDown.fire();
    EXPECT_EQ(f.CURSOR_BEARING, 70);
    CmdButton_MouseUp(f, "CmdButton_CUR_CW");
    EXPECT_FALSE(rig.timerMouseDown.enabled());
    Timer_MOUSE_DOWN_Timer(f);
    EXPECT_EQ(f.CURSOR_BEARING, 70);

    // The press ended without its click (the pointer left the button), so the
    // next step of any stepping button only ends it. With Ctrl pressed before
    // keypad 6, the heading steps by 10.
    f.HEADING = 20;
    pressKey(rig, VK_CONTROL, CTRL_MASK);
    pressKey(rig, keypad(6), CTRL_MASK);
    EXPECT_EQ(f.HEADING, 20);
    pressKey(rig, keypad(6), CTRL_MASK);
    EXPECT_EQ(f.HEADING, 30);
}

} // namespace
