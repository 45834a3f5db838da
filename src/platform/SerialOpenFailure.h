// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSerialPort>
#include <QString>

#include <string>

// How the operator names serial port n: "COM1".
std::string portLabel(int number);

// Why serial port n could not be opened, in the words the communications
// label shows: "COM1: NOT FOUND", "COM1: NO ACCESS", "COM1: IN USE" or
// "COM1: FAILED". Short and in capitals like "COM1 @ 4800 BAUD", so that every
// reason for COM1..COM8 fits the label. `detail` is QSerialPort's own error
// text, which tells a device locked by another program from a forbidden one.
std::string openFailureText(int number, QSerialPort::SerialPortError error, const QString& detail);
