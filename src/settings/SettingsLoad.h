// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class SettingsFile;
struct Form_OPTIONS;

// Reads the settings file and applies it to the main window, the dialog and
// the colour presets. A file that cannot be used (missing, cut short, a value
// out of range) gives way to the defaults, which replace it once a copy of it
// is kept; when no copy can be made, when the file is pinned (read-only) or
// when the defaults cannot be written, the built-in defaults are applied and
// the file stays as it is. A file asking for DF acquisition on a port that
// cannot be opened is applied whole, and acquisition waits for the port.
// Whatever happens to the file is said on the file's message stream.
void loadSettings(Form_OPTIONS& o, SettingsFile& file);
