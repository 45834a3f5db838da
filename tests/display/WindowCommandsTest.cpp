// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/WindowCommands.h"

#include "DisplayFixture.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using WindowCommands = OnDesignWindow;

// H switches the command buttons with Frame_BOTTOM_RIGHT, and the labels with
// the other frames; these keep what other steps gave them.
const std::vector<std::string> OUTSIDE_THE_SCHEME{
    "CmdButton_CONTROLS", "CmdButton_SAVE",   "CmdButton_RECALL", "CmdButton_CANCEL",
    "Label_KEYPAD",       "Frame_GPS_SPEED",  "Label_GPS_SPEED",  "Frame_GPS_FAIL",
    "Label_GPS_FAIL",     "Label_COM_TIMEOUT"};

TEST_F(WindowCommands, ThreeHideShowPressesRunThroughTheStatesAndBack) {
    f.CmdButton_MEM2.visible = false; // as the memories leave it
    f.CmdButton_SAVE.visible = true;
    f.Frame_GPS_FAIL.visible = true;
    f.CmdButton_CONTROLS.left = 1234;
    std::vector<bool> before;
    for (const Control* c : f.all())
        before.push_back(c->visible);
    using Row = std::tuple<Integer, Long, bool, bool, bool>;
    // Label_COPYRIGHT and Label_CREDIT_CONTACT, hidden at start, show too.
    for (const auto& [state, top, buttons, labels, topRight] :
         {Row{1, 200, false, true, false}, Row{2, 200, false, false, false},
          Row{0, 3840, true, true, true}}) {
        CmdButton_CONTROLS_Click(f);
        SCOPED_TRACE(state);
        EXPECT_EQ((std::tuple{f.SHOW_HIDE, f.CmdButton_CONTROLS.top, f.CmdButton_CONTROLS.left}),
                  (std::tuple{state, top, Long{1234}}));
        const auto all = f.all();
        for (std::size_t i = 0; i < all.size(); ++i) {
            const Control& c = *all[i];
            if (std::ranges::find(OUTSIDE_THE_SCHEME, c.name) != OUTSIDE_THE_SCHEME.end())
                EXPECT_EQ(c.visible, before[i]) << c.name;
            else if (c.name == "Frame_TOP_RIGHT")
                EXPECT_EQ(c.visible, topRight);
            else if (c.kind == ControlKind::Button || c.name == "Frame_BOTTOM_RIGHT")
                EXPECT_EQ(c.visible, buttons) << c.name;
            else
                EXPECT_EQ(c.visible, labels) << c.name;
        }
    }
    EXPECT_TRUE(rig.surface.ops.empty());
}

TEST_F(WindowCommands, WindowTogglesNormalAndMaximizedFromTheMaximizedStart) {
    for (int press = 0; press < 3; ++press)
        CmdButton_WINDOW_Click(f);
    EXPECT_EQ(f.WIN_SIZE, 0);
    EXPECT_EQ(rig.surface.states,
              (std::vector{WindowState::Normal, WindowState::Maximized, WindowState::Normal}));
}

} // namespace
