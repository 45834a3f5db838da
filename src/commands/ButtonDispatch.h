#pragma once

#include <string>

struct form_VECTRIN;

// Runs the command of a main-window button exactly as a click on it does.
// Returns false when the name is not a button whose command lives here.
bool CmdButton_Click(form_VECTRIN& f, const std::string& name);
// Mouse-down and mouse-up on a button (the stepping buttons react).
void CmdButton_MouseDown(form_VECTRIN& f, const std::string& name);
void CmdButton_MouseUp(form_VECTRIN& f, const std::string& name);
// Tick of the auto-repeat timer.
void Timer_MOUSE_DOWN_Timer(form_VECTRIN& f);
