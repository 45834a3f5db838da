// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/Stepping.h"
#include "support/TestRig.h"

namespace {

// The auto-repeat timer is wired to its tick handler as the program wires it.
struct Stepping : OnWindow {
    void SetUp() override {
        rig.timerMouseDown.setTickHandler([this] { Timer_MOUSE_DOWN_Timer(f); });
    }
};

// One press as the platform delivers it: down, repeat ticks (0: released
// before the first repeat), up, click; the heading label after the step.
TEST_F(Stepping, EachHandlerWrapsAsItsRuleSays) {
    using Row = std::tuple<const char*, Integer, int, Integer, Integer, const char*>;
    for (const auto& [button, ctrlKey, ticks, before, after, label] :
         {Row{"CUR_CW", 0, 0, 359, 0, "MAN 123 TRU"}, Row{"CUR_CW", 2, 0, 355, 5, "MAN 123 TRU"},
          Row{"CUR_CCW", 0, 0, 0, 359, "MAN 123 TRU"}, Row{"CUR_CW", 0, 1, 350, 0, "MAN 123 TRU"},
          Row{"CUR_CCW", 0, 1, 5, 355, "MAN 123 TRU"}, Row{"HDG_CW", 0, 0, 359, 0, "MAN 000 TRU"},
          Row{"HDG_CW", 0, 0, 360, 1, "MAN 001 TRU"}, Row{"HDG_CCW", 1, 0, 5, 355, "MAN 355 MAG"},
          Row{"HDG_CW", 0, 1, 350, 360, "MAN 360 TRU"}, Row{"HDG_CW", 0, 1, 355, 5, "MAN 005 MAG"},
          Row{"HDG_CCW", 0, 1, 20, 10, "MAN 010 MAG"},
          Row{"HDG_CW", 1, 0, 90, 100, "MAN 100 TRU"}}) {
        const std::string name = std::string("CmdButton_") + button;
        SCOPED_TRACE(name + " from " + std::to_string(before));
        f.CTRL_KEY = ctrlKey;
        f.CURSOR_BEARING = f.HEADING = before;
        f.Label_HDG.caption = std::string("MAN 123") + (label + 7);
        rig.surface.ops.clear();
        CmdButton_MouseDown(f, name);
        for (int tick = 0; tick < ticks; ++tick)
            rig.timerMouseDown.fire();
        CmdButton_MouseUp(f, name);
        CmdButton_Click(f, name);
        EXPECT_EQ(button[0] == 'H' ? f.HEADING : f.CURSOR_BEARING, after);
        EXPECT_EQ(f.Label_HDG.caption, label);
        EXPECT_TRUE(cycleRan(rig));
    }
}

TEST_F(Stepping, AHeldButtonRepeatsTenAfter500MsThenAtOnceAndOnlyUntilReleased) {
    f.CURSOR_BEARING = 0;
    CmdButton_MouseDown(f, "CmdButton_ACQUIRE");
    EXPECT_FALSE(rig.timerMouseDown.enabled());
    CmdButton_MouseDown(f, "CmdButton_CUR_CW");
    EXPECT_EQ((std::pair{rig.timerMouseDown.enabled(), rig.timerMouseDown.interval()}),
              (std::pair{true, 500}));
    rig.timerMouseDown.fire();
    EXPECT_EQ(rig.timerMouseDown.interval(), 1);
    for (int tick = 0; tick < 6; ++tick)
        rig.timerMouseDown.fire();
    EXPECT_EQ(f.CURSOR_BEARING, 70);
    CmdButton_MouseUp(f, "CmdButton_CUR_CW");
    Timer_MOUSE_DOWN_Timer(f);
    EXPECT_EQ((std::pair{rig.timerMouseDown.enabled(), f.CURSOR_BEARING}),
              (std::pair<bool, Integer>{false, 70}));
}

} // namespace
