// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Types.h"

struct Form_OPTIONS;

// The dialog's communications commands: the serial port number and the baud
// rate, with the texts that show them.
void CmdButton_COMM_PORT_Click(Form_OPTIONS& o);
void CmdButton_BAUD_RATE_Click(Form_OPTIONS& o);
// The port's device has changed (its COMn link): the port is tried on it as
// COMM PORT tries a new port, and stays open if it was open.
void tryPortDevice(Form_OPTIONS& o);

// Port n (1..8) in the COMM PORT caption and tag; any other number leaves
// them as they are.
void showPortNumber(Form_OPTIONS& o, int n);
// Sets BAUD_RATE, the BAUD RATE caption and tag and the port's line settings
// for a rate; a rate other than 1200, 2400, 4800 or 9600 becomes 4800.
void setBaudRate(Form_OPTIONS& o, Integer rate);
// Label_COMM on the main window: the port tag followed by the baud tag.
void showComm(Form_OPTIONS& o);
