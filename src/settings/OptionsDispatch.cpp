// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/OptionsDispatch.h"

#include "settings/ColourScheme.h"
#include "settings/CommCommands.h"
#include "settings/DeviceChooser.h"
#include "settings/Form_OPTIONS.h"
#include "settings/OptionsCommands.h"
#include "settings/PresetCommands.h"

#include <array>
#include <string_view>

namespace {

struct Command {
    std::string_view name;
    void (*run)(Form_OPTIONS&);
};

constexpr std::array<Command, 33> COMMANDS{{
    {"CmdButton_TIME", CmdButton_TIME_Click},
    {"CmdButton_FRAC", CmdButton_FRAC_Click},
    {"CmdButton_HEADING", CmdButton_HEADING_Click},
    {"CmdButton_ERROR_UP", CmdButton_ERROR_UP_Click},
    {"CmdButton_ERROR_DN", CmdButton_ERROR_DN_Click},
    {"CmdButton_COMM_PORT", CmdButton_COMM_PORT_Click},
    {"CmdButton_BAUD_RATE", CmdButton_BAUD_RATE_Click},
    {"CmdButton_CHOOSE_DEVICE", CmdButton_CHOOSE_DEVICE_Click},
    {"cmdbutton_EXIT", cmdbutton_EXIT_Click},
    {"cmdbutton_DISPLAY_BACKGROUND_COLOR", cmdbutton_DISPLAY_BACKGROUND_COLOR_Click},
    {"cmdbutton_BUTTON_BACKGROUND_COLOR", cmdbutton_BUTTON_BACKGROUND_COLOR_Click},
    {"cmdbutton_LEGEND_TEXT_COLOR", cmdbutton_LEGEND_TEXT_COLOR_Click},
    {"cmdbutton_AZIMUTH_BACKGROUND", cmdbutton_AZIMUTH_BACKGROUND_Click},
    {"cmdbutton_AZIMUTH_SCALE_COLOR", cmdbutton_AZIMUTH_SCALE_COLOR_Click},
    {"cmdbutton_RANGE_RINGS_COLOR", cmdbutton_RANGE_RINGS_COLOR_Click},
    {"cmdbutton_VECTORS_COLOR", cmdbutton_VECTORS_COLOR_Click},
    {"cmdbutton_CURSOR_COLOR", cmdbutton_CURSOR_COLOR_Click},
    // A click on a swatch presses the button beside it.
    {"Picture_DISPLAY_BACKGROUND_COLOR", cmdbutton_DISPLAY_BACKGROUND_COLOR_Click},
    {"Picture_BUTTON_BACKGROUND_COLOR", cmdbutton_BUTTON_BACKGROUND_COLOR_Click},
    {"Picture_LEGEND_TEXT_COLOR", cmdbutton_LEGEND_TEXT_COLOR_Click},
    {"Picture_AZIMUTH_BACKGROUND_COLOR", cmdbutton_AZIMUTH_BACKGROUND_Click},
    {"Picture_AZIMUTH_SCALE_COLOR", cmdbutton_AZIMUTH_SCALE_COLOR_Click},
    {"Picture_RANGE_RINGS_COLOR", cmdbutton_RANGE_RINGS_COLOR_Click},
    {"Picture_VECTORS_COLOR", cmdbutton_VECTORS_COLOR_Click},
    {"Picture_CURSOR_COLOR", cmdbutton_CURSOR_COLOR_Click},
    {"cmdbutton_DEFAULT_COLORS", cmdbutton_DEFAULT_COLORS_Click},
    {"CmdButton_A_COLORS", CmdButton_A_COLORS_Click},
    {"CmdButton_B_COLORS", CmdButton_B_COLORS_Click},
    {"CmdButton_C_COLORS", CmdButton_C_COLORS_Click},
    {"CmdButton_D_COLORS", CmdButton_D_COLORS_Click},
    {"CmdButton_SAVE", CmdButton_SAVE_Click},
    {"CmdButton_RECALL", CmdButton_RECALL_Click},
    {"CmdButton_CANCEL", CmdButton_CANCEL_Click},
}};

} // namespace

bool Form_OPTIONS_Click(Form_OPTIONS& o, const std::string& name) {
    for (const Command& command : COMMANDS)
        if (command.name == name) {
            command.run(o);
            return true;
        }
    return false;
}
