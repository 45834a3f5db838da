#include "settings/Program.h"

#include "commands/ButtonDispatch.h"
#include "commands/KeyMap.h"
#include "display/FormResize.h"

Program::Program(const ProgramPorts& ports)
    : settings_(ports.system),
      main_(MainWindowPorts{ports.surface, ports.serial, ports.clock, ports.timer1,
                            ports.timerMouseDown},
            settings_) {
    ports.timerMouseDown.setTickHandler([this] { Timer_MOUSE_DOWN_Timer(main_); });
}

void Program::start() { initialiseDisplayState(main_); }

void Program::activate() {}

void Program::shutDown() {
    if (main_.MSComm1.isOpen()) main_.MSComm1.close();
}

void Program::keyDown(int keyCode, int mask) {
    if (const auto button = Form_KeyDown(main_, keyCode, mask)) click(*button);
}

void Program::keyUp(int keyCode, int mask) { Form_KeyUp(main_, keyCode, mask); }

void Program::click(const std::string& button) {
    if (button == "CmdButton_QUIT") {
        closeRequested_ = true;
        return;
    }
    CmdButton_Click(main_, button);
}

void Program::mouseDown(const std::string& button) { CmdButton_MouseDown(main_, button); }
void Program::mouseUp(const std::string& button) { CmdButton_MouseUp(main_, button); }
void Program::resize() { Form_Resize(main_); }
