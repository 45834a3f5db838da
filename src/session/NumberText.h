// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Number texts of the log and the map files: a point for the decimals, whatever
// the locale of the process.

// The shortest text that reads back as the same value ("45", "4.5", "-0.25").
std::string shortestText(float value);
// Degrees with six decimals, about a tenth of a metre ("48.217515").
std::string degreesText(double value);
