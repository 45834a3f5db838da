// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramRig.h"

#include <gtest/gtest.h>

#include <bit>

namespace {

struct Presets : DialogOpen {
    std::array<Colour, 8> preset(int p) {
        return std::bit_cast<std::array<Colour, 8>>(o.presets.COLOR_PRESETS.at(p - 1));
    }
    bool idle() const { return o.cmdbutton_DEFAULT_COLORS.visible && !o.CmdButton_RECALL.visible; }
};

TEST_F(Presets, SaveRecallCancelAndExitOfASelectedPreset) {
    o.settings.colours = SCHEME;
    optionsClick("CmdButton_A_COLORS");
    optionsClick("CmdButton_SAVE");
    EXPECT_TRUE(idle());
    EXPECT_EQ(preset(2), SCHEME);
    EXPECT_EQ(refreshes(), 1) << "no colour changes, yet the display is redrawn";

    optionsClick("cmdbutton_DEFAULT_COLORS");
    optionsClick("CmdButton_A_COLORS");
    optionsClick("CmdButton_RECALL");
    EXPECT_EQ(o.settings.colours, SCHEME);
    EXPECT_EQ(f.CmdButton_SECTOR.backColour, 0x020202u) << "the window is repainted";
    EXPECT_EQ(refreshes(), 2);

    surface.ops.clear();
    optionsClick("CmdButton_B_COLORS");
    optionsClick("CmdButton_CANCEL");
    EXPECT_TRUE(idle() && surface.ops.empty());
    optionsClick("CmdButton_A_COLORS");
    optionsClick("CmdButton_D_COLORS");
    optionsClick("CmdButton_SAVE");
    for (int p = 1; p <= 5; ++p)
        EXPECT_EQ(preset(p), p == 2 || p == 5 ? SCHEME : DOCUMENTED_DEFAULTS) << "preset " << p;
    optionsClick("CmdButton_C_COLORS");
    optionsClick("cmdbutton_EXIT"); // ends the selection: the dialog reopens idle
    EXPECT_TRUE(idle() && !o.visible);
}

} // namespace
