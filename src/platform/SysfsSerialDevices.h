// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DevicePaths.h"
#include "settings/SerialDevices.h"

#include <string>
#include <vector>

// The serial devices as Linux shows them: the kernel's terminals that have a
// device behind them (/sys/class/tty/*/device; a built-in port only when a
// UART answers), their USB product, serial number and vendor:product from
// sysfs, their stable names from /dev/serial/by-id; and the COMn links of
// the settings folder.
class SysfsSerialDevices : public SerialDevices {
public:
    explicit SysfsSerialDevices(DevicePlaces places);

    std::vector<SerialDevice> present() const override;
    DeviceTarget port(int n) const override;
    DeviceTarget inspect(const std::string& path) const override;
    // The link is made beside the old one and renamed over it, so COMn is
    // never missing half way; the settings folder is made when missing.
    std::string link(int n, const std::string& path) override;

    // The stable name of a device (its by-id link), empty when it has none.
    std::string stableName(const std::string& device) const;

private:
    DevicePlaces places_;
};
