// SPDX-License-Identifier: GPL-3.0-or-later
// The device list and the COMn links on the real file system: pseudo-terminals
// behind links, and a sysfs tree of the test's own making.

#include "integration/SerialRig.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>

namespace {

namespace fs = std::filesystem;

void write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text << '\n';
}

// A terminal of the kernel whose device lies at `device` below sys/devices.
void terminal(SerialRig& t, const std::string& name, const std::string& device) {
    fs::create_directories(t.root / "sys/devices" / device);
    t.link(t.root / "sys/class/tty" / name / "device", t.root / "sys/devices" / device);
}

// Each path leads to a serial device or says why not. The COM links are made
// whole, and ports without one are the built-in ports.
TEST(DevicePaths, EachPathLeadsToASerialDeviceOrSaysWhyNotAndComLinksAreMadeWhole) {
    SerialRig t;
    Pty pty;
    const fs::path r = t.root;
    t.link(r / "DF adapter ü", pty.slave);
    write(r / "plain", "text");
    t.link(r / "dangling", r / "gone");
    t.link(r / "via dangling", r / "dangling");
    // The path, the device it leads to, the problem and whether it is missing.
    const std::tuple<fs::path, std::string, std::string, bool> rows[] = {
        {r / "DF adapter ü", pty.slave, "", false},
        {r, r, "a folder, not a serial device", false},
        {r / "plain", r / "plain", "a plain file, not a serial device", false},
        {"/dev/null", "/dev/null", "not a serial device", false},
        {r / "dangling", "", "No such file or directory", true},
        {r / "via dangling", "", "leads to " + (r / "gone").string() + ", which is not there",
         true},
    };
    for (const auto& [path, device, problem, missing] : rows) {
        const DeviceTarget target = inspectDevicePath(path, t.places.devChar);
        EXPECT_EQ(std::tie(target.device, target.problem, target.missing),
                  std::tie(device, problem, missing))
            << path;
    }

    EXPECT_TRUE(!t.devices.port(3).linked && t.devices.port(3).path == t.places.dev + "/ttyS2");
    EXPECT_EQ(t.devices.link(3, "/dev/ttyUSB0"), "") << "the settings folder is made";
    EXPECT_EQ(t.devices.link(3, r / "DF adapter ü"), "") << "and the link replaced";
    const DeviceTarget com3 = t.devices.port(3);
    EXPECT_TRUE(com3.linked && com3.path == r / "DF adapter ü" && com3.device == pty.slave);
    EXPECT_EQ(std::distance(fs::directory_iterator(t.places.settingsFolder), {}), 1)
        << "nothing left beside the link";
    fs::create_directories(t.places.settingsFolder + "/COM4");
    EXPECT_NE(t.devices.link(4, r / "DF adapter ü").find("COM4"), std::string::npos);
}

TEST(SysfsSerialDevices, ListsTheTerminalsWithADeviceAndNamesUsbAdaptersStably) {
    SerialRig t;
    Pty usb, builtIn;
    terminal(t, "ttyUSB0", "usb1/1-1/1-1:1.0/ttyUSB0");
    for (const auto& [file, text] : {std::pair{"idVendor", "0403"},
                                     {"idProduct", "6001"},
                                     {"product", "FT232R USB UART"},
                                     {"serial", "A10K1"}})
        write(t.root / "sys/devices/usb1/1-1" / file, text);
    terminal(t, "ttyACM0", "usb1/1-2/1-2:1.0"); // no node in dev: unplugged while listed
    write(t.root / "sys/devices/usb1/1-2/idVendor", "1546");
    terminal(t, "ttyS0", "pnp/ttyS0");
    write(t.root / "sys/class/tty/ttyS0/type", "0"); // no UART answers
    terminal(t, "ttyS1", "pnp/ttyS1");
    write(t.root / "sys/class/tty/ttyS1/type", "4");
    fs::create_directories(t.root / "sys/class/tty/tty5"); // a virtual console
    t.link(t.root / "dev/ttyUSB0", usb.slave);
    t.link(t.root / "dev/ttyS1", builtIn.slave);
    t.link(t.root / "dev/ttyS0", builtIn.slave);
    const std::string stable = t.places.byId + "/usb-FTDI_FT232R_USB_UART_A10K1-if00-port0";
    t.link(stable, "../../ttyUSB0");

    const std::vector<SerialDevice> expected{
        {stable, t.places.dev + "/ttyUSB0", "FT232R USB UART", "A10K1", "0403:6001"},
        {t.places.dev + "/ttyS1", t.places.dev + "/ttyS1", "", "", ""}};
    EXPECT_EQ(t.devices.present(), expected);
    EXPECT_EQ(t.devices.stableName(usb.slave), stable);
    EXPECT_EQ(t.devices.stableName(builtIn.slave), "");
}

} // namespace
