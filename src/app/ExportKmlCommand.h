// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// --export-kml: writes the bearing log `log` as lines of bearing `lengthKm`
// long (KML) on standard output, and on standard error what was left out.
// Returns the exit status: 0, or 1 when the log cannot be read or the KML
// cannot be written.
int exportKmlCommand(const std::string& log, double lengthKm);
