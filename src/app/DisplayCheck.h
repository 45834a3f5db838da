// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CommandLine.h"

#include <optional>
#include <string>

// Why the main window cannot be opened, in one line, or nothing when it can.
// Qt opens its windows on the X server that DISPLAY (or -display) names and
// aborts when there is none; this asks that server first. A platform chosen
// with -platform or QT_QPA_PLATFORM, or a Wayland session without DISPLAY,
// is left to Qt.
std::optional<std::string> displayProblem(const CommandLine& line);
