// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/SerialDevices.h"

#include <map>
#include <string>
#include <vector>

// Serial devices the test lists and COMn links it keeps in a map. A path leads
// to the device of that name (or node), else to what `problems` says of it,
// else to nothing.
class FakeSerialDevices : public SerialDevices {
public:
    std::vector<SerialDevice> present() const override { return devices; }
    DeviceTarget port(int n) const override {
        const auto link = links.find(n);
        DeviceTarget target =
            inspect(link != links.end() ? link->second : "/dev/ttyS" + std::to_string(n - 1));
        target.link = "/config/COM" + std::to_string(n);
        target.linked = link != links.end();
        return target;
    }
    DeviceTarget inspect(const std::string& path) const override {
        DeviceTarget target;
        target.path = path;
        if (const auto problem = problems.find(path); problem != problems.end()) {
            target.problem = problem->second;
            return target;
        }
        for (const SerialDevice& d : devices)
            if (d.name == path || d.device == path) target.device = d.device;
        target.missing = target.device.empty();
        if (target.missing) target.problem = "No such file or directory";
        return target;
    }
    std::string link(int n, const std::string& path) override {
        if (linkFailure.empty()) links[n] = path;
        return linkFailure;
    }

    std::vector<SerialDevice> devices;
    std::map<int, std::string> links;
    std::map<std::string, std::string> problems;
    std::string linkFailure;
};
