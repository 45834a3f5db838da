// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

struct form_VECTRIN;

// The four stepping buttons: the operator's cursor and the manual heading,
// one degree per click (ten while a modifier key is held).
void CmdButton_CUR_CW_Click(form_VECTRIN& f);
void CmdButton_CUR_CCW_Click(form_VECTRIN& f);
void CmdButton_HDG_CW_Click(form_VECTRIN& f);
void CmdButton_HDG_CCW_Click(form_VECTRIN& f);

// Holding a stepping button down: the auto-repeat starts after 500 ms.
// `word` names the button held ("CUR_CW", "CUR_CCW", "HDG_CW", "HDG_CCW").
void steppingMouseDown(form_VECTRIN& f, const std::string& word);
void steppingMouseUp(form_VECTRIN& f);
// Tick of the auto-repeat timer: one ten-degree step of the button held.
void Timer_MOUSE_DOWN_Timer(form_VECTRIN& f);

// Rebuilds HEADING_STRING and the manual heading label from HEADING, keeping
// the label's " TRU" / " MAG" ending.
void showManualHeading(form_VECTRIN& f);
