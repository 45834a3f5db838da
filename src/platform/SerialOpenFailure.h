// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/SerialDevices.h"

#include <QSerialPort>
#include <QString>

#include <string>
#include <vector>

// How the operator names serial port n: "COM1".
std::string portLabel(int number);

// Why a serial port could not be opened.
enum class OpenFailure { NotFound, NotAPort, NoAccess, InUse, Failed };

// The cause behind QSerialPort's error. `detail` is its own error text, which
// tells a device locked by another program from a forbidden one.
OpenFailure openFailureOf(QSerialPort::SerialPortError error, const QString& detail);

// Why serial port n could not be opened, in the words the communications
// label shows: "COM1: NOT FOUND", "COM1: NOT A PORT", "COM1: NO ACCESS",
// "COM1: IN USE" or "COM1: FAILED". Short and in capitals like "COM1 @ 4800
// BAUD", so that every reason for COM1..COM8 fits the label.
std::string openFailureText(int number, OpenFailure failure);
std::string openFailureText(int number, QSerialPort::SerialPortError error, const QString& detail);

// What the whole reason is made of.
struct OpenFailureFacts {
    int port = 1;
    DeviceTarget target;               // where the port leads
    std::string systemText;            // the system's own words
    std::vector<SerialDevice> present; // not found: the serial devices there are
    std::string group;                 // no access: the group that may use the device
    bool joinedSinceLogin = false;     // no access: the user joined it after logging in
    std::string holder;                // in use: who holds it, when the system tells
};

// The whole reason for the options dialog and standard error: the port and
// where it leads, the system's words and what to do about it.
std::string wholeFailureText(OpenFailure failure, const OpenFailureFacts& facts);
