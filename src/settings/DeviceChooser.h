// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/SerialDevices.h"

#include <string>
#include <vector>

struct Form_OPTIONS;

// The small window in which the operator chooses the device of the options
// dialog's serial port: one of the serial devices present, or a typed path.
struct DeviceChooser {
    std::string caption;
    bool visible = false;
    unsigned showRequests = 0; // each CHOOSE DEVICE brings the window up, in front
    int port = 1;              // the serial port it chooses for
    std::vector<SerialDevice> devices;
    int selected = -1;   // the row of `devices` that `path` names; -1 for none
    std::string path;    // the device to use
    std::string message; // why the last choice could not be used, or what became of it
};

// The dialog's CHOOSE DEVICE command: the chooser for the port the dialog
// shows, with the devices present and the port's own device selected.
void CmdButton_CHOOSE_DEVICE_Click(Form_OPTIONS& o);
// Lists the devices present again; says so when the selected one has gone.
void refreshDeviceList(Form_OPTIONS& o);
void selectDevice(Form_OPTIONS& o, int row);
void typeDevicePath(Form_OPTIONS& o, const std::string& path);
// USE: a path that leads to a serial device becomes the port's link, and the
// port is tried on it as COMM PORT tries a port; any other path keeps the
// chooser open with the reason. A bare name means the device in /dev.
void useChosenDevice(Form_OPTIONS& o);
void cancelDeviceChoice(Form_OPTIONS& o);

// The dialog's SERIAL DEVICE frame: where the port leads now, and the whole
// reason of the last failed open, else for a port without a link how to
// choose an adapter.
void showPortDevice(Form_OPTIONS& o);
