// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class SettingsFile;
class SettingsReader;
struct Form_OPTIONS;
struct SettingsRecord;

// Loading of the main window: reads and applies the settings (see
// loadSettings), then shows the port and baud rate and applies the colours.
// A port failure met on the way stays in Label_COMM.
void Form_Load(Form_OPTIONS& o, SettingsFile& file);

// One pass over the items of a settings text, from the colours to the
// variation; throws on the first item that cannot be read or applied. What it
// changed before the failure stays changed. A port that cannot be opened for
// the DF acquisition the text asks for does not stop the pass: acquisition is
// left off, and the result is true.
bool applySettings(Form_OPTIONS& o, SettingsReader& items);

// The 46 items that describe the dialog, the presets and the main window now.
SettingsRecord settingsOf(Form_OPTIONS& o);

// Shut-down: closes the serial port and writes the settings file, unless
// saving has stopped; a write that fails is said on the file's message stream.
void Form_Unload(Form_OPTIONS& o, const SettingsFile& file);
