// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/CommCommands.h"

#include "commands/AcquisitionCommands.h"
#include "core/Captions.h"
#include "core/SerialPort.h"
#include "core/form_VECTRIN.h"
#include "settings/Form_OPTIONS.h"

#include <array>
#include <functional>
#include <string>

namespace {

constexpr int PORTS = 8;
constexpr Integer FALLBACK_RATE = 4800;
constexpr std::array<Integer, 4> RATES{1200, 2400, 4800, 9600};

bool isRate(Integer rate) {
    for (Integer r : RATES)
        if (r == rate) return true;
    return false;
}

// The rate that follows in the BAUD RATE cycle; 4800 for a rate outside it.
Integer nextRate(Integer rate) {
    for (std::size_t i = 0; i < RATES.size(); ++i)
        if (RATES[i] == rate) return RATES[(i + 1) % RATES.size()];
    return FALLBACK_RATE;
}

// A port that cannot be used: acquisition switches off and the COMM PORT
// button turns the shadow colour until its next click. No message box; the
// dialog shows the whole reason.
void portFailed(Form_OPTIONS& o, const SerialPortError& failure) {
    form_VECTRIN& f = o.main;
    if (f.MSComm1.isOpen()) f.MSComm1.close();
    if (f.CmdButton_ACQUIRE.caption == ACQUIRE_ON) CmdButton_ACQUIRE_Click(f);
    o.CmdButton_COMM_PORT.backColour = o.system.buttonShadow;
    f.PORT_FAILURE_REASON = failure.whole();
}

// Tries the port after a change made with the port closed: opened when
// `choose` asks for it, closed again unless it was open before. A failure
// takes the failure path; otherwise Label_COMM shows the port.
void tryPort(Form_OPTIONS& o, const std::function<bool(SerialPort&)>& choose) {
    SerialPort& port = o.main.MSComm1;
    const bool wasOpen = port.isOpen();
    if (wasOpen) port.close();
    o.CmdButton_COMM_PORT.backColour = o.system.buttonFace;
    try {
        if (choose(port)) {
            port.open();
            o.main.PORT_FAILURE_REASON.clear();
        }
        if (!wasOpen) port.close();
    } catch (const SerialPortError& failure) {
        portFailed(o, failure);
        return;
    }
    showComm(o);
}

} // namespace

void showPortNumber(Form_OPTIONS& o, int n) {
    if (n < 1 || n > PORTS) return;
    const std::string digit = std::to_string(n);
    o.CmdButton_COMM_PORT.caption = "COMM PORT : COM " + digit;
    o.CmdButton_COMM_PORT.tag = "COM" + digit + " @ ";
}

void setBaudRate(Form_OPTIONS& o, Integer rate) {
    if (!isRate(rate)) rate = FALLBACK_RATE;
    const std::string text = std::to_string(rate);
    o.BAUD_RATE = rate;
    o.CmdButton_BAUD_RATE.caption = "BAUD RATE : " + text;
    o.main.MSComm1.setSettings(text + ",n,8,1");
    o.CmdButton_BAUD_RATE.tag = text + " BAUD";
}

void showComm(Form_OPTIONS& o) {
    o.main.Label_COMM.caption = o.CmdButton_COMM_PORT.tag + o.CmdButton_BAUD_RATE.tag;
}

void CmdButton_COMM_PORT_Click(Form_OPTIONS& o) {
    tryPort(o, [&o](SerialPort& port) {
        const int n = port.portNumber();
        if (n < 1 || n > PORTS) return false;
        const int next = n % PORTS + 1;
        port.setPortNumber(next);
        showPortNumber(o, next);
        return true;
    });
}

void tryPortDevice(Form_OPTIONS& o) {
    tryPort(o, [](SerialPort&) { return true; });
}

void CmdButton_BAUD_RATE_Click(Form_OPTIONS& o) {
    SerialPort& port = o.main.MSComm1;
    const bool wasOpen = port.isOpen();
    if (wasOpen) port.close();
    try {
        setBaudRate(o, nextRate(o.BAUD_RATE));
        if (wasOpen) port.open();
    } catch (const SerialPortError& failure) {
        portFailed(o, failure);
        return;
    }
    showComm(o);
}
