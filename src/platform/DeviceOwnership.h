// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The folders where serial programs leave their lock files (LCK..ttyUSB0), in
// the order in which the serial port library looks for one it can write.
std::vector<std::string> serialLockFolders();

// Which process holds a device, as far as the system lets this user see:
// "process 1234 (minicom)", from a lock file of a live process named after the
// device, else from a process that has it open. Empty when nobody can be named.
std::string deviceHolder(const std::string& device,
                         const std::vector<std::string>& lockFolders = serialLockFolders());

// Who may use a device the user may not open.
struct DeviceAccess {
    std::string group;             // the group to join: the device's own, or dialout
    bool joinedSinceLogin = false; // the user is in it, but not in this login
};
DeviceAccess deviceAccess(const std::string& device);
