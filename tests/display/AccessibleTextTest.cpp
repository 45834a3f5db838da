// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told: names in words that follow the captions. That
// every control has a name and a description, and the polar display's
// sentence, are heard through the screen reader end to end.

#include "settings/OptionsAccessibleText.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// Whether the control is the options dialog's, its name, its caption and the
// name a screen reader is told.
TEST(AccessibleText, NamesFollowTheCaptionsInWords) {
    const std::tuple<bool, const char*, const char*, const char*> cases[] = {
        {false, "CmdButton_ACQUIRE", "A:ACQUIRE  ( OFF )", "Acquisition off"},
        {false, "CmdButton_VAR", "V:VAR           ON", "Magnetic variation display on"},
        {false, "Label_HDG", "GPS 123 MAG", "Heading GPS 123 degrees magnetic"},
        {false, "Label_COMM", "COM1: NOT FOUND", "Serial port COM 1: not found"},
        {false, "Label_SOURCE", "SOURCE : MEM3", "Bearing source memory 3"},
        {false, "Label_LAST_BRG", "LAST BRG : 007", "Last bearing 7 degrees"},
        {false, "Label_RANGE", "RANGE  120 BRGS", "Range 120 bearings"},
        {false, "Label_CREDIT_NAME", "  A. Maker ", "A. Maker"},
        {true, "CmdButton_TIME", "@  5 SEC", "Decay interval 5 seconds"},
        {true, "Label_HEADING_CORRECTION", "179 EAST", "Magnetic variation 179 degrees east"},
        {true, "cmdbutton_LEGEND_TEXT_COLOR", "LEGEND TEXT", "Colour of the legend text"},
    };
    for (const auto& [options, name, caption, text] : cases) {
        const Control shown = placeControl(name, ControlKind::Label, "", caption, 0, 0, 0, 0);
        EXPECT_EQ((options ? optionsDialogText(shown) : mainWindowText(shown)).name, text);
    }
    Control swatch =
        placeControl("Picture_RANGE_RINGS_COLOR", ControlKind::Label, "", "", 0, 0, 0, 0);
    swatch.backColour = 0x0000C0;
    EXPECT_EQ(optionsDialogText(swatch).name, "Range rings colour: red 192, green 0, blue 0");
}

} // namespace
