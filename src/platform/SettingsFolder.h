// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The folder of the settings file: the one chosen on the command line, else
// $XDG_CONFIG_HOME/Vectrin, or ~/.config/Vectrin when XDG_CONFIG_HOME is
// unset or empty.
std::string settingsFolder();

// Makes `folder` the settings folder for the rest of the run.
void chooseSettingsFolder(const std::string& folder);
