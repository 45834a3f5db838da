// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DeviceChooser.h"

#include "core/SerialPort.h"
#include "core/form_VECTRIN.h"
#include "settings/CommCommands.h"
#include "settings/Form_OPTIONS.h"

namespace {

int rowOf(const std::vector<SerialDevice>& devices, const std::string& path) {
    for (std::size_t row = 0; row < devices.size(); ++row)
        if (!path.empty() && (devices[row].name == path || devices[row].device == path))
            return static_cast<int>(row);
    return -1;
}

std::string quoted(const std::string& path) {
    return "\"" + path + "\"";
}

// What the operator typed, as a path: a bare name is a device in /dev.
std::string asPath(const std::string& typed) {
    return typed.empty() || typed.find('/') != std::string::npos ? typed : "/dev/" + typed;
}

} // namespace

void CmdButton_CHOOSE_DEVICE_Click(Form_OPTIONS& o) {
    DeviceChooser& c = o.chooser;
    c.port = o.main.MSComm1.portNumber();
    c.caption = "SERIAL DEVICE FOR COM " + std::to_string(c.port);
    const DeviceTarget now = o.devices.port(c.port);
    c.devices = o.devices.present();
    c.path = now.path;
    c.selected = rowOf(c.devices, c.path);
    if (c.selected < 0) c.selected = rowOf(c.devices, now.device);
    c.message.clear();
    c.visible = true;
    ++c.showRequests;
}

void refreshDeviceList(Form_OPTIONS& o) {
    DeviceChooser& c = o.chooser;
    const bool hadOne = c.selected >= 0;
    c.devices = o.devices.present();
    c.selected = rowOf(c.devices, asPath(c.path));
    if (hadOne && c.selected < 0)
        c.message = quoted(c.path) + " has gone: plug it in again or choose another device.";
    else if (!hadOne && c.selected >= 0)
        c.message.clear();
}

void selectDevice(Form_OPTIONS& o, int row) {
    DeviceChooser& c = o.chooser;
    if (row < 0 || row >= static_cast<int>(c.devices.size())) return;
    c.selected = row;
    c.path = c.devices[static_cast<std::size_t>(row)].name;
    c.message.clear();
}

void typeDevicePath(Form_OPTIONS& o, const std::string& path) {
    DeviceChooser& c = o.chooser;
    c.path = path;
    c.selected = rowOf(c.devices, asPath(path));
    c.message.clear();
}

void useChosenDevice(Form_OPTIONS& o) {
    DeviceChooser& c = o.chooser;
    const std::string path = asPath(c.path);
    if (path.empty()) {
        c.message = "Choose a device from the list or type its path.";
        return;
    }
    if (path.front() != '/') {
        c.message = quoted(path) + ": give the whole path, from / on.";
        return;
    }
    if (const DeviceTarget target = o.devices.inspect(path); !target.problem.empty()) {
        c.message = quoted(path) + ": " + target.problem + ".";
        return;
    }
    if (const std::string failed = o.devices.link(c.port, path); !failed.empty()) {
        c.message = failed + ".";
        return;
    }
    c.visible = false;
    if (o.main.MSComm1.portNumber() == c.port) tryPortDevice(o);
}

void cancelDeviceChoice(Form_OPTIONS& o) {
    o.chooser.visible = false;
}

void showPortDevice(Form_OPTIONS& o) {
    const int n = o.main.MSComm1.portNumber();
    const DeviceTarget target = o.devices.port(n);
    std::string text =
        "COM " + std::to_string(n) + (target.linked ? " : " : " (no link) : ") + target.path;
    if (!target.device.empty() && target.device != target.path) text += "  =  " + target.device;
    if (!target.problem.empty()) text += "  (" + target.problem + ")";
    o.Label_DEVICE.caption = text;
    o.Label_DEVICE_REASON.caption = o.main.PORT_FAILURE_REASON;
    if (o.Label_DEVICE_REASON.caption.empty() && !target.linked)
        o.Label_DEVICE_REASON.caption = "COM " + std::to_string(n) +
                                        " is the built-in serial port. For a USB serial adapter, "
                                        "press CHOOSE DEVICE and pick it from the list.";
}
