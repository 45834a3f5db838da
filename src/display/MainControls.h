// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/OperatingSettings.h"
#include "display/Control.h"

#include <vector>

// The control inventory of the main window, at the design-time positions in
// twips (client area 9780 x 6795).
struct MainControls {
    explicit MainControls(const OperatingSettings& initial);
    MainControls(const MainControls&) = delete;
    MainControls& operator=(const MainControls&) = delete;

    Control Frame_TOP_LEFT, Label_VECTRIN_DF_DISPLAY, Label_VERSION, Label_LAST_BRG,
        Label_TOTAL_BRG, Label_TOTAL_TIME;
    Control Frame_TOP_CENTER, Label_SOURCE, Label_HDG;
    Control Frame_TOP_RIGHT, Label_COPYRIGHT, Label_CREDIT_NAME, Label_CREDIT_CONTACT, Label_TIME,
        Label_COMM;
    Control CmdButton_ACQUIRE, CmdButton_TEST, CmdButton_DECAY, CmdButton_REDUCE, CmdButton_CLEAR,
        CmdButton_QUIT;
    Control Frame_BOTTOM_LEFT, CmdButton_SECTOR, Label_DECAY, Label_DECAY_RATE, CmdButton_VAR,
        Label_RANGE, Label_CURSOR;
    Control CmdButton_MEM1, CmdButton_MEM2, CmdButton_MEM3, CmdButton_MEM4, CmdButton_MEM5;
    Control CmdButton_SAVE, CmdButton_RECALL, CmdButton_CANCEL;
    Control CmdButton_CONTROLS, CmdButton_OPTIONS, CmdButton_WINDOW;
    Control Frame_BOTTOM_RIGHT, Label_KEYPAD, CmdButton_HDG_CW, CmdButton_HDG_CCW, CmdButton_CUR_CW,
        CmdButton_CUR_CCW;
    Control Frame_GPS_SPEED, Label_GPS_SPEED, Frame_GPS_FAIL, Label_GPS_FAIL;
    Control Label_COM_TIMEOUT;

    // Every control, frames before the controls they hold.
    std::vector<Control*> all();
};

// The texts that the window shows of its maker.
inline constexpr const char* CREDIT_NAME_TEXT = "Vectrin Systems";
inline constexpr const char* CREDIT_REVEALED_TEXT = "By the Vectrin team";
inline constexpr const char* CREDIT_CONTACT_TEXT = "df@vectrin.example";
inline constexpr const char* COPYRIGHT_TEXT = "\u00A9 2026 Vectrin";
