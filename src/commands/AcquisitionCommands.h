// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct form_VECTRIN;

// Where bearings come from: acquisition on/off, test mode on/off, and decay.
// ACQUIRE and TEST open the serial port through openSerialPort and let its
// SerialPortError pass once the state is put right.
void CmdButton_ACQUIRE_Click(form_VECTRIN& f);
void CmdButton_TEST_Click(form_VECTRIN& f);
void CmdButton_DECAY_Click(form_VECTRIN& f);
