// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/SerialDevices.h"

#include <string>

// Where the serial adapter looks for devices and links; tests point these at
// folders of their own.
struct DevicePlaces {
    std::string settingsFolder;              // holds the COMn links
    std::string dev = "/dev";                // device nodes
    std::string byId = "/dev/serial/by-id";  // stable names of USB serial devices
    std::string classTty = "/sys/class/tty"; // the kernel's terminals
    std::string devChar = "/sys/dev/char";   // character devices by number
};

// Where a path leads, its links followed, found without opening it: a serial
// device, or the reason it is none (nothing there, a dangling link, a folder,
// a plain file, a character device that the kernel says is no terminal).
// Character devices unknown to devChar (pseudo-terminals) count as serial.
DeviceTarget inspectDevicePath(const std::string& path, const std::string& devChar);
