#include "commands/ButtonDispatch.h"

#include "core/form_VECTRIN.h"

bool CmdButton_Click(form_VECTRIN&, const std::string&) { return false; }
void CmdButton_MouseDown(form_VECTRIN&, const std::string&) {}
void CmdButton_MouseUp(form_VECTRIN&, const std::string&) {}
void Timer_MOUSE_DOWN_Timer(form_VECTRIN&) {}
