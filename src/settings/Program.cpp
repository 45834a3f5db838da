// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Program.h"

#include "commands/ButtonDispatch.h"
#include "commands/KeyMap.h"
#include "commands/PortWait.h"
#include "display/FormResize.h"
#include "settings/FirstStartPort.h"
#include "settings/OptionsCommands.h"
#include "settings/OptionsDispatch.h"
#include "settings/StartUp.h"

#include <filesystem>
#include <system_error>

Program::Program(const ProgramPorts& ports)
    : settings_(ports.system), main_(MainWindowPorts{ports.surface, ports.serial, ports.clock,
                                                     ports.timer1, ports.timerMouseDown},
                                     settings_),
      picker_(ports.picker), system_(ports.system), devices_(ports.devices),
      file_(ports.settingsFolder, ports.messages) {
    ports.timerMouseDown.setTickHandler([this] { Timer_MOUSE_DOWN_Timer(main_); });
}

Form_OPTIONS& Program::options() {
    if (!options_) options_.emplace(main_, presets_, picker_, system_, devices_);
    return *options_;
}

void Program::start() {
    initialiseDisplayState(main_);
    std::error_code error;
    if (!std::filesystem::exists(file_.path(), error) && !error)
        startNotice_ = adoptOnlyAdapter(devices_);
    Form_Load(options(), file_);
}

void Program::activate() {
    options();
}

void Program::shutDown() {
    if (shutDown_) return;
    shutDown_ = true;
    if (!keepSettingsFile_)
        Form_Unload(options(), file_);
    else if (main_.MSComm1.isOpen())
        main_.MSComm1.close();
}

void Program::keyDown(int keyCode, int mask) {
    if (const auto button = Form_KeyDown(main_, keyCode, mask)) click(*button);
}

void Program::keyUp(int keyCode, int mask) {
    Form_KeyUp(main_, keyCode, mask);
}

void Program::click(const std::string& button) {
    if (button == "CmdButton_QUIT") {
        closeRequested_ = true;
        return;
    }
    if (button == "CmdButton_OPTIONS") {
        CmdButton_OPTIONS_Click(options());
        return;
    }
    if (button == "CmdButton_ACQUIRE" || button == "CmdButton_TEST" || button == "CmdButton_RECALL")
        stopAwaitingDfPort(main_);
    try {
        CmdButton_Click(main_, button);
    } catch (const SerialPortError&) {
        // The command has put acquisition right and shows the reason in Label_COMM.
    }
}

void Program::optionsClick(const std::string& name) {
    Form_OPTIONS_Click(options(), name);
}

void Program::mouseDown(const std::string& button) {
    CmdButton_MouseDown(main_, button);
}
void Program::mouseUp(const std::string& button) {
    CmdButton_MouseUp(main_, button);
}
void Program::resize() {
    Form_Resize(main_);
}
