// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/FirstStartPort.h"

#include "settings/SerialDevices.h"

#include <algorithm>

namespace {

constexpr int PORTS = 8;

} // namespace

std::string adoptOnlyAdapter(SerialDevices& devices) {
    for (int n = 1; n <= PORTS; ++n)
        if (devices.port(n).linked) return {};
    const std::vector<SerialDevice> present = devices.present();
    const auto isUsb = [](const SerialDevice& d) { return !d.usbId.empty(); };
    if (std::count_if(present.begin(), present.end(), isUsb) != 1) return {};
    const SerialDevice& adapter = *std::find_if(present.begin(), present.end(), isUsb);
    if (const std::string failed = devices.link(1, adapter.name); !failed.empty())
        return "COM1 stays as it was: " + failed;
    return "COM1 is the one USB serial adapter present: " + deviceSummary(adapter);
}
