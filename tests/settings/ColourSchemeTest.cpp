// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramRig.h"

namespace {

using ColourScheme = DialogOpen;

// How many controls of the main window show the display background, the legend
// text and the button background colours.
std::array<int, 3> painted(form_VECTRIN& f, Colour background, Colour legend, Colour button) {
    std::array<int, 3> n{};
    for (Control* c : f.all()) {
        n[0] += c->backColour == background;
        n[1] += c->textColour == legend;
        n[2] += c->backColour == button;
    }
    return n;
}

// Each button opens the picker on its slot's colour and takes the chosen one; its swatch
// does the same. The window colours paint five frames and the
// COM TIMEOUT label, 18 labels and 23 buttons (the GPS frames and labels keep their own colours)
// until DEFAULT COLORS brings the built-in scheme back.
TEST_F(ColourScheme, ColourButtonsAndSwatchesPickTheirSlotAndDefaultColorsRestoresAll) {
    // The colour buttons in slot order, with the cycles they run.
    const std::pair<std::string, int> buttons[] = {{"cmdbutton_DISPLAY_BACKGROUND_COLOR", 0},
                                                   {"cmdbutton_BUTTON_BACKGROUND_COLOR", 0},
                                                   {"cmdbutton_LEGEND_TEXT_COLOR", 0},
                                                   {"cmdbutton_AZIMUTH_BACKGROUND", 1},
                                                   {"cmdbutton_AZIMUTH_SCALE_COLOR", 1},
                                                   {"cmdbutton_RANGE_RINGS_COLOR", 1},
                                                   {"cmdbutton_VECTORS_COLOR", 0},
                                                   {"cmdbutton_CURSOR_COLOR", 1}};
    for (std::size_t k = 0; k < 8; ++k)
        for (const std::string& name : {buttons[k].first, o.swatches()[k]->name}) {
            const Colour before = o.settings.colours[k];
            picker.choice = before ^ 0x010101;
            surface.ops.clear();
            f.NEWAZIMUTH = f.NEWCURSOR = f.NEWRING = false;
            optionsClick(name);
            EXPECT_EQ(
                (std::tuple{picker.shownOn, picker.flags, o.settings.colours[k], refreshes()}),
                (std::tuple{before, 3, before ^ 0x010101, buttons[k].second}))
                << name;
            // The vectors are drawn in the new colour by the next tick.
            EXPECT_TRUE(k != 6 || (f.NEWAZIMUTH && f.NEWCURSOR && f.NEWRING)) << name;
        }
    const std::array<Colour, 8> chosen = o.settings.colours;
    EXPECT_EQ(surface.back, chosen[0]);
    EXPECT_EQ(painted(f, chosen[0], chosen[2], chosen[1]), (std::array{6, 18, 23}));

    surface.ops.clear();
    optionsClick("cmdbutton_DEFAULT_COLORS");
    o.showSettings();
    for (std::size_t k = 0; k < 8; ++k)
        EXPECT_EQ(o.swatches()[k]->backColour, DOCUMENTED_DEFAULTS[k]) << "slot " << k + 1;
    EXPECT_EQ(painted(f, 0x557B78, 0x9BCEDF, 0x6F9B98), (std::array{6, 18, 23}));
    EXPECT_EQ(refreshes(), 0) << "the display takes them when it is next drawn";
}

} // namespace
