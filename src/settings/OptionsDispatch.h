// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

struct Form_OPTIONS;

// Runs the command of a dialog button, or of the button beside a clicked
// colour swatch. Returns false when the name is neither.
bool Form_OPTIONS_Click(Form_OPTIONS& o, const std::string& name);
