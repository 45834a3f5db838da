// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DeviceChooser.h"
#include "ProgramRig.h"

#include <fstream>
#include <map>
#include <tuple>

namespace {

const SerialDevice FTDI{"/dev/serial/by-id/usb-FTDI-port0", "/dev/ttyUSB0", "FT232R USB UART",
                        "A10K1", "0403:6001"};
const SerialDevice PL2303{"/dev/serial/by-id/usb-PL-port0", "/dev/ttyUSB1", "", "", "067b:2303"};
const SerialDevice BUILT_IN{"/dev/ttyS0", "/dev/ttyS0", "", "", ""};

struct Chooser : DialogOpen {
    void SetUp() override {
        devices.devices = {FTDI, PL2303, BUILT_IN};
        devices.links[1] = PL2303.name;
        DialogOpen::SetUp();
        optionsClick("CmdButton_CHOOSE_DEVICE");
    }
    DeviceChooser& c = o.chooser;
};

// Using a device links the port to the device's stable name and tries it as
// COMM PORT does (the same path as COMM PORT from there on): the whole reason
// it failed shows until a port opens.
TEST_F(Chooser, UsingADeviceLinksThePortToItsStableNameAndTriesIt) {
    EXPECT_TRUE(c.visible && c.selected == 1 && c.path == PL2303.name);
    o.showSettings();
    EXPECT_EQ(o.Label_DEVICE.caption, "COM 1 : " + PL2303.name + "  =  /dev/ttyUSB1");
    selectDevice(o, 0);
    serial.failOpen = true;
    serial.failWhole = "COM1 is /dev/ttyUSB0: Permission denied. Run sudo usermod";
    useChosenDevice(o);
    EXPECT_FALSE(c.visible);
    EXPECT_EQ(devices.links[1], FTDI.name);
    o.showSettings();
    EXPECT_EQ(o.Label_DEVICE_REASON.caption, serial.failWhole);
    serial.failOpen = false;
    optionsClick("CmdButton_COMM_PORT");
    o.showSettings();
    EXPECT_EQ(o.Label_DEVICE.caption, "COM 2 (no link) : /dev/ttyS1  (No such file or directory)");
    EXPECT_EQ(o.Label_DEVICE_REASON.caption,
              "COM 2 is the built-in serial port. For a USB serial "
              "adapter, press CHOOSE DEVICE and pick it from the list.")
        << "the failure is gone once a port opens";
}

TEST_F(Chooser, APathThatLeadsToNoSerialDeviceKeepsTheChooserOpenWithTheReason) {
    devices.problems = {{"/home/op", "a folder, not a serial device"},
                        {"/home/op/DF adapter ü", "leads to /dev/ttyUSB7, which is not there"}};
    const std::pair<std::string, std::string> rows[] = {
        {"", "Choose a device from the list or type its path."},
        {"op/adapter", "\"op/adapter\": give the whole path, from / on."},
        {"/home/op", "\"/home/op\": a folder, not a serial device."},
        {"/home/op/DF adapter ü",
         "\"/home/op/DF adapter ü\": leads to /dev/ttyUSB7, which is not there."},
        {"ttyUSB9", "\"/dev/ttyUSB9\": No such file or directory."},
    };
    for (const auto& [path, message] : rows) {
        typeDevicePath(o, path);
        useChosenDevice(o);
        EXPECT_TRUE(c.visible && c.message == message) << c.message;
    }
    devices.linkFailure = "cannot make the link /config/COM1: Read-only file system";
    typeDevicePath(o, "/dev/ttyS0");
    useChosenDevice(o);
    EXPECT_EQ(c.message, devices.linkFailure + ".");
    EXPECT_TRUE(devices.links[1] == PL2303.name && serial.opens == 0);
}

TEST_F(Chooser, ADeviceThatVanishesWhileTheChooserIsOpenIsSaidToHaveGoneAndFoundWhenBack) {
    devices.devices = {FTDI, BUILT_IN};
    refreshDeviceList(o);
    EXPECT_EQ(std::pair(c.selected, c.message),
              std::pair(-1, "\"" + PL2303.name +
                                "\" has gone: plug it in again or choose another device."));
    devices.devices = {FTDI, PL2303, BUILT_IN};
    refreshDeviceList(o);
    EXPECT_EQ(std::pair(c.selected, c.message), std::pair(1, std::string()));
}

// The devices present, the links made before, whether a settings file exists,
// and the device COM1 then leads to.
TEST(FirstStart, OneUsbAdapterAndNoLinksMakeItCom1) {
    using Row =
        std::tuple<std::vector<SerialDevice>, std::map<int, std::string>, bool, std::string>;
    const Row cases[] = {{{BUILT_IN, FTDI}, {}, false, FTDI.name},
                         {{FTDI, PL2303}, {}, false, ""},
                         {{FTDI}, {{3, "/dev/ttyUSB5"}}, false, ""},
                         {{FTDI}, {}, true, ""}};
    for (const auto& [present, links, hasSettingsFile, com1] : cases) {
        ProgramRig rig;
        rig.devices.devices = present;
        rig.devices.links = links;
        if (hasSettingsFile) {
            std::filesystem::create_directories(rig.folder);
            std::ofstream(rig.file) << settingsFile(DEFAULT_ITEMS);
        }
        rig.program.start();
        EXPECT_EQ(rig.devices.links[1], com1);
        EXPECT_EQ(rig.program.startNotice().empty(), com1.empty());
    }
}

} // namespace
