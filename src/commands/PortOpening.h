// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

struct form_VECTRIN;

// Opens the serial port for DF input. When the port cannot be opened (missing,
// in use, no permission) the short reason is shown in Label_COMM and the whole
// one kept in PORT_FAILURE_REASON for the options dialog, acquisition is left
// switched off as for a closed port, and the SerialPortError is thrown on, so
// that the start-up can fall back to its defaults. Once the port opens again,
// Label_COMM shows the text it had before the failure, unless it was rewritten
// in the meantime.
void openSerialPort(form_VECTRIN& f);

// Shows why the port cannot be opened in Label_COMM; the label's text before
// it comes back once the port opens.
void showPortFailure(form_VECTRIN& f, std::string reason);
