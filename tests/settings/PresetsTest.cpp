#include "settings/ColourScheme.h"

#include "ProgramRig.h"

#include <gtest/gtest.h>

namespace {

struct Presets : DialogOpen {
    std::array<Long, 8> preset(int p) {
        std::array<Long, 8> colours{};
        for (int k = 1; k <= 8; ++k)
            colours[k - 1] = o.presets.at(p, k);
        return colours;
    }
    bool idle() const {
        return o.cmdbutton_DEFAULT_COLORS.visible && !o.CmdButton_SAVE.visible &&
               !o.CmdButton_RECALL.visible && !o.CmdButton_CANCEL.visible;
    }
};

const std::array<Colour, 8> SCHEME{0x010101, 0x020202, 0x030303, 0x040404,
                                   0x050505, 0x060606, 0x070707, 0x080808};

TEST_F(Presets, APresetButtonStartsASelectionThatAnotherOnlyRenumbers) {
    ASSERT_TRUE(idle());
    press("CmdButton_A_COLORS");
    EXPECT_FALSE(o.cmdbutton_DEFAULT_COLORS.visible);
    EXPECT_TRUE(o.CmdButton_SAVE.visible);
    EXPECT_TRUE(o.CmdButton_RECALL.visible);
    EXPECT_TRUE(o.CmdButton_CANCEL.visible);
    EXPECT_EQ(o.CmdButton_SAVE.tag, "2");
    EXPECT_EQ(o.CmdButton_RECALL.tag, "2");
    press("CmdButton_C_COLORS");
    EXPECT_EQ(o.CmdButton_SAVE.tag, "4");
    EXPECT_EQ(o.CmdButton_RECALL.tag, "4");
}

TEST_F(Presets, SaveStoresTheSchemeInSlotOrderAndStillRunsACycle) {
    o.settings.colours = SCHEME;
    press("CmdButton_A_COLORS");
    press("CmdButton_SAVE");
    EXPECT_TRUE(idle());
    EXPECT_EQ(o.presets.PRESET_SELECT, 2);
    EXPECT_EQ(preset(2),
              (std::array<Long, 8>{1 * 0x010101, 2 * 0x010101, 3 * 0x010101, 4 * 0x010101,
                                   5 * 0x010101, 6 * 0x010101, 7 * 0x010101, 8 * 0x010101}));
    EXPECT_EQ(preset(1)[0], static_cast<Long>(DEFAULT_COLOURS[0])) << "preset 1 is untouched";
    EXPECT_EQ(rig.refreshes(), 1);
    EXPECT_EQ(o.settings.colours, SCHEME) << "no colour on screen changes";
}

TEST_F(Presets, RecallBringsTheSavedSchemeBackAndRepaintsTheWindow) {
    o.settings.colours = SCHEME;
    press("CmdButton_A_COLORS");
    press("CmdButton_SAVE");
    press("cmdbutton_DEFAULT_COLORS");
    rig.surface.ops.clear();

    press("CmdButton_A_COLORS");
    press("CmdButton_RECALL");
    EXPECT_TRUE(idle());
    EXPECT_EQ(o.settings.colours, SCHEME);
    EXPECT_EQ(rig.surface.back, 0x010101u);
    EXPECT_EQ(f.Frame_TOP_RIGHT.backColour, 0x010101u);
    EXPECT_EQ(f.Label_SOURCE.textColour, 0x030303u);
    EXPECT_EQ(f.CmdButton_SECTOR.backColour, 0x020202u);
    EXPECT_EQ(rig.refreshes(), 1);
}

TEST_F(Presets, ADThenSaveStoresIntoPreset5) {
    o.settings.colours = SCHEME;
    press("CmdButton_A_COLORS");
    press("CmdButton_D_COLORS");
    press("CmdButton_SAVE");
    EXPECT_EQ(o.presets.PRESET_SELECT, 5);
    EXPECT_EQ(preset(5)[7], 0x080808);
    EXPECT_EQ(preset(2)[7], static_cast<Long>(DEFAULT_COLOURS[7]));
}

TEST_F(Presets, CancelChangesNothingAndReturnsToIdle) {
    const auto presetsBefore = o.presets.COLOR_PRESETS;
    press("CmdButton_B_COLORS");
    press("CmdButton_CANCEL");
    EXPECT_TRUE(idle());
    EXPECT_EQ(o.presets.COLOR_PRESETS, presetsBefore);
    EXPECT_EQ(o.settings.colours, DEFAULT_COLOURS);
    EXPECT_EQ(o.presets.PRESET_SELECT, 1);
    EXPECT_TRUE(rig.surface.ops.empty());
}

TEST_F(Presets, ExitEndsASelectionAndTheDialogReopensIdle) {
    press("CmdButton_A_COLORS");
    press("cmdbutton_EXIT");
    EXPECT_FALSE(o.visible);
    rig.click("CmdButton_OPTIONS");
    EXPECT_TRUE(o.visible);
    EXPECT_TRUE(idle());
}

TEST_F(Presets, RecallingAPresetThatWasNeverSetMakesEveryColourBlack) {
    for (int k = 1; k <= 8; ++k)
        o.presets.at(4, k) = 0;
    press("CmdButton_C_COLORS");
    press("CmdButton_RECALL");
    EXPECT_EQ(o.settings.colours, (std::array<Colour, 8>{}));
    EXPECT_EQ(rig.surface.back, 0u);
}

TEST_F(Presets, SavedPresetsReachTheSettingsFileAtShutDown) {
    o.settings.colours = SCHEME;
    press("CmdButton_B_COLORS");
    press("CmdButton_SAVE");
    rig.program.shutDown();
    const std::vector<std::string> items = settingsLines(fileText(rig.file));
    EXPECT_EQ(items.at(16), std::to_string(0x010101)) << "preset 3, slot 1";
    EXPECT_EQ(items.at(23), std::to_string(0x080808)) << "preset 3, slot 8";
    EXPECT_EQ(items.at(0), std::to_string(0x010101)) << "preset 1 holds the scheme in use";
}

} // namespace
