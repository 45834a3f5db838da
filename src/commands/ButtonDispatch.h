// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The auto-repeat timer's tick handler, Timer_MOUSE_DOWN_Timer, lives with the
// stepping commands.
#include "commands/Stepping.h"

#include <string>

struct form_VECTRIN;

// Runs the command of a main-window button exactly as a click on it does.
// Returns false for QUIT and OPTIONS (the settings layer runs those) and for
// names that are not buttons of the main window. ACQUIRE and TEST (and so a
// click that runs them) throw SerialPortError when the port cannot be opened.
bool CmdButton_Click(form_VECTRIN& f, const std::string& name);
// Mouse-down and mouse-up on a button: the stepping buttons start and stop
// their auto-repeat; the other buttons ignore them.
void CmdButton_MouseDown(form_VECTRIN& f, const std::string& name);
void CmdButton_MouseUp(form_VECTRIN& f, const std::string& name);
