// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The folder of what the program records while it runs (sessions, the
// bearing log): $XDG_DATA_HOME/Vectrin, or ~/.local/share/Vectrin when
// XDG_DATA_HOME is unset or empty. Not created here.
std::string dataFolder();
// Where the recorded sessions go: the sessions folder in the data folder.
std::string sessionsFolder();
// The bearing log: bearings.csv in the data folder.
std::string bearingLogFile();
