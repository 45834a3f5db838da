// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class SerialDevices;

// On a first start, with no COMn link in the settings folder and exactly one
// USB serial adapter present, COM 1 becomes that adapter, by its stable name.
// Returns what was done, for standard error; empty when nothing was.
std::string adoptOnlyAdapter(SerialDevices& devices);
