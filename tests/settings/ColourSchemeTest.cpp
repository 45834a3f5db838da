#include "settings/ColourScheme.h"

#include "ProgramRig.h"

#include <gtest/gtest.h>

namespace {

struct ColourScheme : DialogOpen {
    int refreshes() const { return rig.refreshes(); }
};

// The 18 labels that show legend text and the 23 buttons of the main window.
std::vector<Control*> legendLabels(form_VECTRIN& f) {
    std::vector<Control*> labels;
    for (Control* c : f.all())
        if (c->kind == ControlKind::Label && c->name != "Label_GPS_SPEED" &&
            c->name != "Label_GPS_FAIL")
            labels.push_back(c);
    return labels;
}

std::vector<Control*> buttons(form_VECTRIN& f) {
    std::vector<Control*> all;
    for (Control* c : f.all())
        if (c->kind == ControlKind::Button) all.push_back(c);
    return all;
}

TEST_F(ColourScheme, EveryColourCommandOpensThePickerOnItsSwatchWithFlags3) {
    const std::vector<std::pair<std::string, ColourSlot>> commands{
        {"cmdbutton_DISPLAY_BACKGROUND_COLOR", ColourSlot::DisplayBackground},
        {"cmdbutton_BUTTON_BACKGROUND_COLOR", ColourSlot::ButtonBackground},
        {"cmdbutton_LEGEND_TEXT_COLOR", ColourSlot::LegendText},
        {"cmdbutton_AZIMUTH_BACKGROUND", ColourSlot::AzimuthBackground},
        {"cmdbutton_AZIMUTH_SCALE_COLOR", ColourSlot::AzimuthScale},
        {"cmdbutton_RANGE_RINGS_COLOR", ColourSlot::RangeRings},
        {"cmdbutton_VECTORS_COLOR", ColourSlot::Vectors},
        {"cmdbutton_CURSOR_COLOR", ColourSlot::Cursor}};
    Colour choice = 0x000101;
    for (const auto& [name, slot] : commands) {
        const Colour before = o.settings.colour(slot);
        rig.picker.flags = 0;
        rig.picker.choice = ++choice;
        rig.optionsClick(name);
        EXPECT_EQ(rig.picker.flags, 3) << name;
        EXPECT_EQ(rig.picker.shownOn, before) << name;
        EXPECT_EQ(o.settings.colour(slot), choice) << name;
    }
    EXPECT_EQ(rig.picker.shows, 8);
}

TEST_F(ColourScheme, CancellingThePickerKeepsTheColourAndEverythingPaintedWithIt) {
    rig.picker.cancel = true;
    rig.picker.choice = 0x111111;
    rig.optionsClick("cmdbutton_DISPLAY_BACKGROUND_COLOR");
    rig.optionsClick("cmdbutton_LEGEND_TEXT_COLOR");
    rig.optionsClick("cmdbutton_AZIMUTH_BACKGROUND");
    EXPECT_EQ(o.settings.colours, DEFAULT_COLOURS);
    EXPECT_EQ(rig.surface.back, DEFAULT_COLOURS[0]);
    EXPECT_EQ(f.Frame_TOP_LEFT.backColour, DEFAULT_COLOURS[0]);
    EXPECT_EQ(f.Label_TIME.textColour, DEFAULT_COLOURS[2]);
    EXPECT_EQ(refreshes(), 1) << "the command still runs its cycle";
}

TEST_F(ColourScheme, DisplayBackgroundPaintsTheWindowItsFiveFramesAndTheTimeoutLabel) {
    rig.picker.choice = 0x203040;
    rig.optionsClick("cmdbutton_DISPLAY_BACKGROUND_COLOR");
    ASSERT_FALSE(rig.surface.ops.empty());
    EXPECT_EQ(rig.surface.ops.front().kind, DrawOp::SetBackColour);
    EXPECT_EQ(rig.surface.back, 0x203040u);
    for (Control* c : {&f.Frame_TOP_LEFT, &f.Frame_TOP_CENTER, &f.Frame_TOP_RIGHT,
                       &f.Frame_BOTTOM_LEFT, &f.Frame_BOTTOM_RIGHT, &f.Label_COM_TIMEOUT})
        EXPECT_EQ(c->backColour, 0x203040u) << c->name;
    EXPECT_EQ(f.Frame_GPS_SPEED.backColour, 0xFFFFFFu);
    EXPECT_EQ(f.Frame_GPS_FAIL.backColour, 0xFFFFFFu);
    EXPECT_EQ(refreshes(), 0);
}

TEST_F(ColourScheme, ButtonBackgroundPaintsAll23Buttons) {
    rig.picker.choice = 0x445566;
    rig.optionsClick("cmdbutton_BUTTON_BACKGROUND_COLOR");
    const std::vector<Control*> all = buttons(f);
    ASSERT_EQ(all.size(), 23u);
    for (Control* c : all)
        EXPECT_EQ(c->backColour, 0x445566u) << c->name;
    EXPECT_EQ(refreshes(), 0);
}

TEST_F(ColourScheme, LegendTextColoursAll18LabelsIncludingTheCreditsAndCopyright) {
    rig.picker.choice = 0x778899;
    rig.optionsClick("cmdbutton_LEGEND_TEXT_COLOR");
    const std::vector<Control*> labels = legendLabels(f);
    ASSERT_EQ(labels.size(), 18u);
    for (Control* c : labels)
        EXPECT_EQ(c->textColour, 0x778899u) << c->name;
    EXPECT_NE(f.Label_GPS_FAIL.textColour, 0x778899u);
    EXPECT_NE(f.Label_GPS_SPEED.textColour, 0x778899u);
}

TEST_F(ColourScheme, DrawnColoursRedrawAtOnceExceptTheVectors) {
    const std::vector<std::pair<std::string, int>> commands{{"cmdbutton_AZIMUTH_BACKGROUND", 1},
                                                            {"cmdbutton_AZIMUTH_SCALE_COLOR", 1},
                                                            {"cmdbutton_RANGE_RINGS_COLOR", 1},
                                                            {"cmdbutton_CURSOR_COLOR", 1},
                                                            {"cmdbutton_VECTORS_COLOR", 0}};
    for (const auto& [name, cycles] : commands) {
        rig.surface.ops.clear();
        rig.optionsClick(name);
        EXPECT_EQ(refreshes(), cycles) << name;
    }
    EXPECT_TRUE(f.NEWAZIMUTH) << "the vectors command leaves its flags to the next cycle";
    EXPECT_TRUE(f.NEWCURSOR);
    EXPECT_TRUE(f.NEWRING);
}

TEST_F(ColourScheme, ClickingASwatchIsClickingItsButton) {
    rig.picker.choice = 0x0A0B0C;
    rig.optionsClick("Picture_BUTTON_BACKGROUND_COLOR");
    EXPECT_EQ(o.settings.colour(ColourSlot::ButtonBackground), 0x0A0B0Cu);
    EXPECT_EQ(f.CmdButton_QUIT.backColour, 0x0A0B0Cu);
    rig.picker.choice = 0x0D0E0F;
    rig.optionsClick("Picture_RANGE_RINGS_COLOR");
    EXPECT_EQ(o.settings.colour(ColourSlot::RangeRings), 0x0D0E0Fu);
    EXPECT_EQ(refreshes(), 1);
    rig.optionsClick("Picture_CURSOR_COLOR");
    EXPECT_EQ(o.settings.colour(ColourSlot::Cursor), 0x0D0E0Fu);
    EXPECT_EQ(rig.picker.shows, 3);
}

TEST_F(ColourScheme, DefaultColorsRestoresTheBuiltInSchemeWithoutACycle) {
    o.settings.colours.fill(0x123456);
    f.surface.setBackColour(0x123456);
    rig.surface.ops.clear();
    rig.optionsClick("cmdbutton_DEFAULT_COLORS");
    o.controls();
    const std::array<Colour, 8> expected{0x557B78, 0x6F9B98, 0x9BCEDF, 0x009100,
                                         0xC7C7C7, 0x4080FF, 0xFFFFFF, 0x6FFFFF};
    const auto swatches = o.swatches();
    for (std::size_t k = 0; k < 8; ++k)
        EXPECT_EQ(swatches[k]->backColour, expected[k]) << k;
    EXPECT_EQ(rig.surface.back, 0x557B78u);
    EXPECT_EQ(f.Frame_TOP_CENTER.backColour, 0x557B78u);
    EXPECT_EQ(f.Label_HDG.textColour, 0x9BCEDFu);
    EXPECT_EQ(f.CmdButton_MEM3.backColour, 0x6F9B98u);
    EXPECT_EQ(refreshes(), 0);
}

} // namespace
