// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SerialDevices.h"

std::string deviceSummary(const SerialDevice& device) {
    std::string about;
    const auto add = [&about](const std::string& text) {
        about += (about.empty() ? "" : ", ") + text;
    };
    if (!device.description.empty()) add(device.description);
    if (!device.serialNumber.empty()) add("serial number " + device.serialNumber);
    if (device.device != device.name) add("now " + device.device);
    return about.empty() ? device.name : device.name + " (" + about + ")";
}
