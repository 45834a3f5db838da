// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class SettingsFile;
class SettingsReader;
struct Form_OPTIONS;
struct SettingsRecord;

// Loading of the main window: reads the settings file and applies it to the
// main window, the dialog and the colour presets. A file that cannot be read
// or applied is replaced by the defaults, which are then read; when even that
// fails (the folder or file cannot be written), the built-in defaults are
// applied without a file.
void Form_Load(Form_OPTIONS& o, const SettingsFile& file);

// One pass over the items of a settings text, from the colours to the
// variation; throws on the first item that cannot be read or applied. What it
// changed before the failure stays changed.
void applySettings(Form_OPTIONS& o, SettingsReader& items);

// The 46 items that describe the dialog, the presets and the main window now.
SettingsRecord settingsOf(Form_OPTIONS& o);

// Shut-down: closes the serial port and writes the settings file.
void Form_Unload(Form_OPTIONS& o, const SettingsFile& file);
