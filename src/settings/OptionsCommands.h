// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct Form_OPTIONS;

// The dialog's decay, heading-source and variation commands, and EXIT.
void CmdButton_TIME_Click(Form_OPTIONS& o);
void CmdButton_FRAC_Click(Form_OPTIONS& o);
void CmdButton_HEADING_Click(Form_OPTIONS& o);
void CmdButton_ERROR_UP_Click(Form_OPTIONS& o);
void CmdButton_ERROR_DN_Click(Form_OPTIONS& o);
void cmdbutton_EXIT_Click(Form_OPTIONS& o);

// The main window's OPTIONS command: shows the dialog in its normal state
// without blocking the main window, then runs one cycle.
void CmdButton_OPTIONS_Click(Form_OPTIONS& o);
