// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramRig.h"

#include <bit>

namespace {

struct Presets : DialogOpen {
    std::array<Colour, 8> preset(int p) {
        return std::bit_cast<std::array<Colour, 8>>(o.presets.COLOR_PRESETS.at(p - 1));
    }
    bool idle() const { return o.cmdbutton_DEFAULT_COLORS.visible && !o.CmdButton_RECALL.visible; }
};

// A to D select presets 2 to 5; SAVE stores the scheme in use and RECALL makes
// it the scheme again, each redrawing the display; preset 1 is never touched.
TEST_F(Presets, EachPresetButtonSavesAndRecallsItsOwnPreset) {
    const char* buttons[] = {"CmdButton_A_COLORS", "CmdButton_B_COLORS", "CmdButton_C_COLORS",
                             "CmdButton_D_COLORS"};
    for (int p = 2; p <= 5; ++p) {
        o.settings.colours = SCHEME;
        o.settings.colours[7] = static_cast<Colour>(p);
        optionsClick(buttons[p - 2]);
        surface.ops.clear();
        optionsClick("CmdButton_SAVE");
        EXPECT_TRUE(idle());
        EXPECT_EQ(preset(p), o.settings.colours);
        EXPECT_EQ(refreshes(), 1) << "no colour changes, yet the display is redrawn";
        optionsClick("cmdbutton_DEFAULT_COLORS");
        optionsClick(buttons[p - 2]);
        surface.ops.clear();
        optionsClick("CmdButton_RECALL");
        EXPECT_EQ(o.settings.colours[7], static_cast<Colour>(p));
        EXPECT_EQ(f.CmdButton_SECTOR.backColour, 0x020202u) << "the window is repainted";
        EXPECT_EQ(refreshes(), 1);
    }
    EXPECT_EQ(preset(1), DOCUMENTED_DEFAULTS);
}

} // namespace
