// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CommandLine.h"

// Opens the main window as the command line asks and runs the event loop
// until the window closes; returns the program's exit status.
int runDisplay(CommandLine& line);
