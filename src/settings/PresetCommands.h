// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct Form_OPTIONS;

// The colour presets of the dialog: A to D start a selection of preset 2 to 5,
// SAVE stores the current scheme into it, RECALL makes it the current scheme,
// CANCEL ends the selection without change.
void CmdButton_A_COLORS_Click(Form_OPTIONS& o);
void CmdButton_B_COLORS_Click(Form_OPTIONS& o);
void CmdButton_C_COLORS_Click(Form_OPTIONS& o);
void CmdButton_D_COLORS_Click(Form_OPTIONS& o);
void CmdButton_SAVE_Click(Form_OPTIONS& o);
void CmdButton_RECALL_Click(Form_OPTIONS& o);
void CmdButton_CANCEL_Click(Form_OPTIONS& o);

// Back to idle: DEFAULT COLORS shown, SAVE, RECALL and CANCEL hidden.
void endPresetSelection(Form_OPTIONS& o);
