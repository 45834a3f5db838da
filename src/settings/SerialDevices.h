// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// A serial device that the system has now.
struct SerialDevice {
    // The name a COMn link should point at: its stable name under
    // /dev/serial/by-id when it has one (it survives a replug under another
    // number), else the device itself.
    std::string name;
    std::string device;       // the device node, /dev/ttyUSB0
    std::string description;  // a USB adapter's product text; empty for a built-in port
    std::string serialNumber; // a USB adapter's serial number, when it has one
    std::string usbId;        // a USB adapter's vendor:product, "0403:6001"; empty otherwise

    bool operator==(const SerialDevice&) const = default;
};

// Where a serial port or a path leads, found without opening it.
struct DeviceTarget {
    std::string path;     // the port's COMn link as it reads, its /dev/ttyS{n-1}, or the path given
    std::string device;   // the device at the end of the links; empty when there is none
    std::string problem;  // empty for a serial device, else why it is not one
    bool missing = false; // nothing is at the end of the links
    std::string link;     // a port only: where its COMn link is (or would be)
    bool linked = false;  // a port only: the settings folder has that COMn link
};

// The serial devices of the system and the COMn links of the settings folder
// that make them serial port n.
class SerialDevices {
public:
    virtual ~SerialDevices() = default;

    // The serial devices present now, USB adapters first.
    virtual std::vector<SerialDevice> present() const = 0;
    // Where serial port n leads now.
    virtual DeviceTarget port(int n) const = 0;
    // Where a path leads.
    virtual DeviceTarget inspect(const std::string& path) const = 0;
    // Makes serial port n the device at the path (its COMn link). Returns why
    // that could not be done; empty when done.
    virtual std::string link(int n, const std::string& path) = 0;
};

// A device as a list shows it: its name, then what else is known of it,
// "/dev/serial/by-id/usb-FTDI_X-if00-port0 (FT232R USB UART, serial number A1,
// now /dev/ttyUSB0)".
std::string deviceSummary(const SerialDevice& device);
