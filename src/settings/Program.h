// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/form_VECTRIN.h"
#include "settings/ColourPicker.h"
#include "settings/ColourPresets.h"
#include "settings/Form_OPTIONS.h"
#include "settings/SerialDevices.h"
#include "settings/SettingsFile.h"

#include <iostream>
#include <optional>
#include <string>

// Everything the program talks to outside itself.
struct ProgramPorts {
    DrawingSurface& surface;
    SerialPort& serial;
    Clock& clock;
    Timer& timer1;
    Timer& timerMouseDown;
    ColourPicker& picker;
    std::string settingsFolder; // where the settings file lives
    SystemColours system;
    SerialDevices& devices;             // the serial devices present and the COMn links
    std::ostream& messages = std::cerr; // what the operator is told about the settings file
};

// The whole program as the platform sees it: the main window, the options
// dialog and the program-wide colour presets, with one entry point per event.
// After every entry point the platform mirrors the control models into its
// widgets.
class Program {
public:
    explicit Program(const ProgramPorts& ports);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Start-up: the display state, then the settings file. On a first start
    // with one USB serial adapter and no COMn link, COM 1 becomes the adapter.
    void start();
    // What the start-up did that the operator should read on standard error.
    const std::string& startNotice() const { return startNotice_; }
    // The main window became the active window: the dialog exists from now on.
    void activate();
    // The main window is closing: the port is closed and the settings written.
    // Only the first call does anything.
    void shutDown();
    // From now on shutting down leaves the settings file as it is (a replay).
    void keepSettingsFile() { keepSettingsFile_ = true; }

    void keyDown(int keyCode, int mask);
    void keyUp(int keyCode, int mask);
    void click(const std::string& button);
    void mouseDown(const std::string& button);
    void mouseUp(const std::string& button);
    void resize();

    // A click on a button or a colour swatch of the options dialog.
    void optionsClick(const std::string& name);

    // Set by QUIT: the platform closes the main window.
    bool closeRequested() const { return closeRequested_; }

    form_VECTRIN& main() { return main_; }
    // The options dialog, created (hidden) the first time anything touches it.
    Form_OPTIONS& options();
    ColourPresets& presets() { return presets_; }
    const SettingsFile& settingsFile() const { return file_; }

private:
    OperatingSettings settings_;
    form_VECTRIN main_;
    ColourPresets presets_;
    ColourPicker& picker_;
    SystemColours system_;
    SerialDevices& devices_;
    SettingsFile file_;
    std::string startNotice_;
    std::optional<Form_OPTIONS> options_;
    bool closeRequested_ = false;
    bool keepSettingsFile_ = false;
    bool shutDown_ = false;
};
