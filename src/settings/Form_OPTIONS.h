// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/OperatingSettings.h"
#include "core/Types.h"
#include "display/Control.h"
#include "settings/DeviceChooser.h"

#include <array>
#include <string>
#include <vector>

struct form_VECTRIN;
struct ColourPresets;
class ColourPicker;
class SerialDevices;

// The options dialog: a modeless window that exists once for the run. It
// shows and edits the operating settings of the main window (decay tags,
// heading source, variation, the eight colours: one store, the record
// f.settings, which its controls display) and owns the rest of itself: the
// baud rate, the variation text, its captions, tags and visibility. Below
// its documented controls, the SERIAL DEVICE frame shows where the serial
// port leads and why it could not be opened, and opens the device chooser.
struct Form_OPTIONS {
    Form_OPTIONS(form_VECTRIN& main, ColourPresets& presets, ColourPicker& picker,
                 const SystemColours& system, SerialDevices& devices);
    Form_OPTIONS(const Form_OPTIONS&) = delete;
    Form_OPTIONS& operator=(const Form_OPTIONS&) = delete;

    form_VECTRIN& main;
    OperatingSettings& settings;
    ColourPresets& presets;
    ColourPicker& CommonDialog1;
    SystemColours system;
    SerialDevices& devices;

    // The dialog window. Each OPTIONS command raises showRequests: the view
    // then brings the window up in its normal state, in front.
    std::string caption = "Vectrin Options";
    bool visible = false;
    unsigned showRequests = 0;
    Long width = 6015;
    Long height = 8250;

    Integer BAUD_RATE = 0;
    std::string X_STRING;

    Control frame_COMM, CmdButton_COMM_PORT, CmdButton_BAUD_RATE;
    Control Frame_HEADING_SOURCE, CmdButton_HEADING;
    Control Frame_HEADING_CORRECTION, Label_HEADING_CORRECTION, CmdButton_ERROR_UP,
        CmdButton_ERROR_DN;
    Control Frame_DECAY, CmdButton_FRAC, CmdButton_TIME;
    Control cmdbutton_EXIT;
    Control Frame_COLORS;
    Control cmdbutton_DISPLAY_BACKGROUND_COLOR, cmdbutton_BUTTON_BACKGROUND_COLOR,
        cmdbutton_LEGEND_TEXT_COLOR, cmdbutton_AZIMUTH_BACKGROUND, cmdbutton_AZIMUTH_SCALE_COLOR,
        cmdbutton_RANGE_RINGS_COLOR, cmdbutton_VECTORS_COLOR, cmdbutton_CURSOR_COLOR;
    Control Picture_DISPLAY_BACKGROUND_COLOR, Picture_BUTTON_BACKGROUND_COLOR,
        Picture_LEGEND_TEXT_COLOR, Picture_AZIMUTH_BACKGROUND_COLOR, Picture_AZIMUTH_SCALE_COLOR,
        Picture_RANGE_RINGS_COLOR, Picture_VECTORS_COLOR, Picture_CURSOR_COLOR;
    Control cmdbutton_DEFAULT_COLORS;
    Control CmdButton_A_COLORS, CmdButton_B_COLORS, CmdButton_C_COLORS, CmdButton_D_COLORS;
    Control CmdButton_SAVE, CmdButton_RECALL, CmdButton_CANCEL;
    Control Frame_SERIAL_DEVICE, Label_DEVICE, Label_DEVICE_REASON, CmdButton_CHOOSE_DEVICE;
    DeviceChooser chooser;

    // The swatches in colour-slot order.
    std::array<Control*, COLOUR_SLOTS> swatches();

    // Copies the operating settings into the controls that display them: the
    // swatches' back colours, the TIME and FRAC tags, the HEADING caption;
    // while the dialog is shown, also the serial port's device.
    void showSettings();

    // Every control, frames before the controls they hold, showing the
    // settings as they are now.
    std::vector<Control*> controls();
};
