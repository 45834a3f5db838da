// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/OperatingSettings.h"
#include "core/Types.h"

#include <array>

struct Form_OPTIONS;

// The built-in scheme of DEFAULT COLORS and of a new settings file, in slot order.
inline constexpr std::array<Colour, COLOUR_SLOTS> DEFAULT_COLOURS{
    0x557B78, 0x6F9B98, 0x9BCEDF, 0x009100, 0xC7C7C7, 0x4080FF, 0xFFFFFF, 0x6FFFFF};

// The colour commands: each lets the operator pick one colour of the scheme
// with the colour picker and applies it at once.
void cmdbutton_DISPLAY_BACKGROUND_COLOR_Click(Form_OPTIONS& o);
void cmdbutton_BUTTON_BACKGROUND_COLOR_Click(Form_OPTIONS& o);
void cmdbutton_LEGEND_TEXT_COLOR_Click(Form_OPTIONS& o);
void cmdbutton_AZIMUTH_BACKGROUND_Click(Form_OPTIONS& o);
void cmdbutton_AZIMUTH_SCALE_COLOR_Click(Form_OPTIONS& o);
void cmdbutton_RANGE_RINGS_COLOR_Click(Form_OPTIONS& o);
void cmdbutton_CURSOR_COLOR_Click(Form_OPTIONS& o);
void cmdbutton_VECTORS_COLOR_Click(Form_OPTIONS& o);
void cmdbutton_DEFAULT_COLORS_Click(Form_OPTIONS& o);

// The window-colour application: the main window's background, its five frames
// and the COM TIMEOUT label from the display-background colour, the text of its
// 18 labels from the legend-text colour, its 23 buttons from the
// button-background colour, in that order.
void applyWindowColours(Form_OPTIONS& o);
