// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Types.h"

struct form_VECTRIN;

// Top of CmdButton_CONTROLS while everything is shown, and while the command
// buttons are hidden (it then heads the right column).
inline constexpr Long CONTROLS_TOP_SHOWN = 3840;
inline constexpr Long CONTROLS_TOP_HIDDEN = 200;

// W: toggles the window between maximized and normal; the change of size
// raises the resize event, which lays the window out again.
void CmdButton_WINDOW_Click(form_VECTRIN& f);

// H: steps the hide/show state 0, 1, 2, 0, ... and shows or hides the command
// buttons, the labels and the frames accordingly. Nothing is drawn.
void CmdButton_CONTROLS_Click(form_VECTRIN& f);
