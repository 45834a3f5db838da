// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/OptionsAccessibleText.h"

#include <cctype>
#include <string>

namespace {

constexpr const char* SWATCH_PREFIX = "Picture_";
constexpr const char* SWATCH_SUFFIX = "_COLOR";
constexpr const char* CHOOSE = "Opens the colour chooser for it";

constexpr std::string_view OPTIONS_DIALOG = R"(
frame_COMM | Serial port | - | Serial port and baud rate
CmdButton_COMM_PORT | Serial port | COMM PORT : | Steps to the next serial port, COM 1 to COM 8, and tries it
CmdButton_BAUD_RATE | Baud rate | BAUD RATE : | Steps to the next baud rate
Frame_HEADING_SOURCE | Heading source | - | Where the heading comes from
CmdButton_HEADING | Heading source | * | Switches the heading between manual and GPS
Frame_HEADING_CORRECTION | Magnetic variation | - | Variation of the compass
Label_HEADING_CORRECTION | Magnetic variation | * | West is positive
CmdButton_ERROR_UP | One degree further west | - | Variation one degree west
CmdButton_ERROR_DN | One degree further east | - | Variation one degree east
Frame_DECAY | Decay | - | How old bearings fade
CmdButton_FRAC | Decay fraction | FRAC | Steps the fraction kept at each decay step
CmdButton_TIME | Decay interval | @ | Steps the time between decay steps
cmdbutton_EXIT | Close options | - | Closes the options; Escape does the same
Frame_COLORS | Colours | - | The display's colours and their presets
cmdbutton_DISPLAY_BACKGROUND_COLOR | Colour of the | * | Opens the colour chooser for it
cmdbutton_BUTTON_BACKGROUND_COLOR | Colour of the | * | Opens the colour chooser for it
cmdbutton_LEGEND_TEXT_COLOR | Colour of the | * | Opens the colour chooser for it
cmdbutton_AZIMUTH_BACKGROUND | Colour of the | * | Opens the colour chooser for it
cmdbutton_AZIMUTH_SCALE_COLOR | Colour of the | * | Opens the colour chooser for it
cmdbutton_RANGE_RINGS_COLOR | Colour of the | * | Opens the colour chooser for it
cmdbutton_VECTORS_COLOR | Colour of the | * | Opens the colour chooser for it
cmdbutton_CURSOR_COLOR | Colour of the | * | Opens the colour chooser for it
cmdbutton_DEFAULT_COLORS | Default colours | - | Puts the default colours back
CmdButton_A_COLORS | Colour preset A | - | Uses, saves or recalls preset A
CmdButton_B_COLORS | Colour preset B | - | Uses, saves or recalls preset B
CmdButton_C_COLORS | Colour preset C | - | Uses, saves or recalls preset C
CmdButton_D_COLORS | Colour preset D | - | Uses, saves or recalls preset D
CmdButton_SAVE | Save colours to a preset | - | Then choose the preset
CmdButton_RECALL | Recall a preset's colours | - | Then choose the preset
CmdButton_CANCEL | Cancel the preset choice | - | Ends saving or recalling
Frame_SERIAL_DEVICE | Serial device | - | Where the serial port leads and why it could not be opened
Label_DEVICE | Serial device | * | Where the selected serial port leads
CmdButton_CHOOSE_DEVICE | Choose the serial device | - | Lists the serial devices present to choose from
Label_DEVICE_REASON | Why the serial port could not be opened | * | The device, the system's words and what to do
)";

// "Picture_RANGE_RINGS_COLOR" showing 0x0000C0: "Range rings colour: red 192,
// green 0, blue 0".
AccessibleText swatchText(const Control& swatch) {
    std::string what = swatch.name.substr(std::string(SWATCH_PREFIX).size());
    what = what.substr(0, what.rfind(SWATCH_SUFFIX));
    for (std::size_t i = 0; i < what.size(); ++i)
        what[i] = what[i] == '_' ? ' '
                  : i > 0 ? static_cast<char>(std::tolower(static_cast<unsigned char>(what[i])))
                          : what[i];
    const Colour c = swatch.backColour.value_or(0);
    return {what + " colour: red " + std::to_string(c & 0xFF) + ", green " +
                std::to_string((c >> 8) & 0xFF) + ", blue " + std::to_string((c >> 16) & 0xFF),
            CHOOSE};
}

} // namespace

AccessibleText optionsDialogText(const Control& control) {
    if (control.name.rfind(SWATCH_PREFIX, 0) == 0) return swatchText(control);
    static const AccessibleTable table(OPTIONS_DIALOG);
    return table.textOf(control);
}
