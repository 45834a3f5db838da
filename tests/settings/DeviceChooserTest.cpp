// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DeviceChooser.h"
#include "ProgramRig.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

const SerialDevice FTDI{"/dev/serial/by-id/usb-FTDI_FT232R-if00-port0", "/dev/ttyUSB0",
                        "FT232R USB UART", "A10K1", "0403:6001"};
const SerialDevice PROLIFIC{"/dev/serial/by-id/usb-Prolific-if00-port0", "/dev/ttyUSB1",
                            "USB-Serial Controller", "", "067b:2303"};
const SerialDevice BUILT_IN{"/dev/ttyS0", "/dev/ttyS0", "", "", ""};

struct Chooser : DialogOpen {
    void SetUp() override {
        devices.devices = {FTDI, PROLIFIC, BUILT_IN};
        devices.links[1] = PROLIFIC.name;
        DialogOpen::SetUp();
        optionsClick("CmdButton_CHOOSE_DEVICE");
    }
    DeviceChooser& c = o.chooser;
};

TEST_F(Chooser, OpensOnTheDevicesPresentWithThePortsOwnSelectedAndShowsWhereThePortLeads) {
    EXPECT_TRUE(c.visible);
    EXPECT_EQ(c.caption, "SERIAL DEVICE FOR COM 1");
    EXPECT_EQ(c.devices, devices.devices);
    EXPECT_EQ(c.selected, 1);
    EXPECT_EQ(c.path, PROLIFIC.name);
    o.showSettings();
    EXPECT_EQ(o.Label_DEVICE.caption, "COM 1 : " + PROLIFIC.name + "  =  /dev/ttyUSB1");
    serial.port = 2;
    o.showSettings();
    EXPECT_EQ(o.Label_DEVICE.caption, "COM 2 (no link) : /dev/ttyS1  (No such file or directory)");
}

TEST_F(Chooser, UsingADeviceLinksThePortToItsStableNameAndTriesItAsCommPortDoes) {
    selectDevice(o, 0);
    useChosenDevice(o);
    EXPECT_FALSE(c.visible);
    EXPECT_EQ(devices.links[1], FTDI.name);
    EXPECT_EQ(serial.opens, 1) << "a trial open";
    EXPECT_FALSE(serial.isOpen()) << "a closed port stays closed";

    click("CmdButton_TEST");
    optionsClick("CmdButton_CHOOSE_DEVICE");
    typeDevicePath(o, "ttyS0");
    EXPECT_EQ(c.selected, 2) << "a typed name that the list holds selects it";
    useChosenDevice(o);
    EXPECT_EQ(devices.links[1], "/dev/ttyS0") << "a bare name is a device in /dev";
    EXPECT_TRUE(serial.isOpen()) << "an open port opens again on its new device";

    serial.failOpen = true;
    serial.failWhole = "COM1 is /dev/ttyUSB0: Permission denied. Run sudo usermod";
    optionsClick("CmdButton_CHOOSE_DEVICE");
    selectDevice(o, 0);
    useChosenDevice(o);
    EXPECT_EQ(f.CmdButton_ACQUIRE.caption, "A:ACQUIRE  ( OFF )");
    EXPECT_EQ(o.CmdButton_COMM_PORT.backColour, TEST_SYSTEM_COLOURS.buttonShadow);
    o.showSettings();
    EXPECT_EQ(o.Label_DEVICE_REASON.caption, serial.failWhole);
    serial.failOpen = false;
    optionsClick("CmdButton_COMM_PORT");
    o.showSettings();
    EXPECT_EQ(o.Label_DEVICE_REASON.caption, "") << "gone once a port opens";
}

TEST_F(Chooser, APathThatLeadsToNoSerialDeviceKeepsTheChooserOpenWithTheReason) {
    devices.problems = {{"/home/op", "a folder, not a serial device"},
                        {"/dev/null", "not a serial device"},
                        {"/home/op/DF adapter ü", "leads to /dev/ttyUSB7, which is not there"}};
    const std::pair<std::string, std::string> rows[] = {
        {"", "Choose a device from the list or type its path."},
        {"op/adapter", "\"op/adapter\": give the whole path, from / on."},
        {"/home/op", "\"/home/op\": a folder, not a serial device."},
        {"/dev/null", "\"/dev/null\": not a serial device."},
        {"/home/op/DF adapter ü",
         "\"/home/op/DF adapter ü\": leads to /dev/ttyUSB7, which is not there."},
        {"ttyUSB9", "\"/dev/ttyUSB9\": No such file or directory."},
    };
    for (const auto& [path, message] : rows) {
        typeDevicePath(o, path);
        useChosenDevice(o);
        EXPECT_EQ(c.message, message);
        EXPECT_TRUE(c.visible) << path;
    }
    devices.linkFailure = "cannot make the link /config/COM1: Read-only file system";
    typeDevicePath(o, "/dev/ttyS0");
    useChosenDevice(o);
    EXPECT_EQ(c.message, devices.linkFailure + ".");
    EXPECT_EQ(devices.links[1], PROLIFIC.name);
    EXPECT_EQ(serial.opens, 0);
    cancelDeviceChoice(o);
    EXPECT_FALSE(c.visible);
}

TEST_F(Chooser, ADeviceThatVanishesWhileTheChooserIsOpenIsSaidToHaveGoneAndFoundWhenBack) {
    devices.devices = {FTDI, BUILT_IN};
    refreshDeviceList(o);
    EXPECT_EQ(c.selected, -1);
    EXPECT_EQ(c.message,
              "\"" + PROLIFIC.name + "\" has gone: plug it in again or choose another device.");
    useChosenDevice(o);
    EXPECT_TRUE(c.visible);
    EXPECT_EQ(c.message, "\"" + PROLIFIC.name + "\": No such file or directory.");
    devices.devices = {FTDI, PROLIFIC, BUILT_IN};
    refreshDeviceList(o);
    EXPECT_EQ(c.selected, 1);
    EXPECT_EQ(c.message, "");
    optionsClick("cmdbutton_EXIT");
    EXPECT_FALSE(c.visible) << "EXIT closes the chooser with the dialog";
}

// The chooser's frame sits below the documented controls, inside the dialog.
TEST_F(Chooser, TheSerialDeviceFrameLeavesTheDocumentedControlsWhereTheyAre) {
    for (const Control* control : o.controls()) {
        if (!control->container.empty()) continue;
        if (control == &o.Frame_SERIAL_DEVICE) continue;
        EXPECT_LE(control->top + control->height, o.Frame_SERIAL_DEVICE.top) << control->name;
    }
    EXPECT_LE(o.Frame_SERIAL_DEVICE.top + o.Frame_SERIAL_DEVICE.height, o.height);
    EXPECT_LE(o.Frame_SERIAL_DEVICE.left + o.Frame_SERIAL_DEVICE.width, o.width);
}

TEST(FirstStart, OneUsbAdapterAndNoLinksMakeItCom1) {
    struct Case {
        std::vector<SerialDevice> present;
        std::map<int, std::string> links;
        bool settingsFile;
        std::string linkFailure;
        std::string com1;
        std::string notice;
    };
    const std::string adopted = "COM1 is the one USB serial adapter present: " + FTDI.name +
                                " (FT232R USB UART, serial number A10K1, now /dev/ttyUSB0)";
    const Case cases[] = {
        {{BUILT_IN, FTDI}, {}, false, "", FTDI.name, adopted},
        {{FTDI, PROLIFIC}, {}, false, "", "", ""},
        {{BUILT_IN}, {}, false, "", "", ""},
        {{FTDI}, {{3, "/dev/ttyUSB5"}}, false, "", "", ""},
        {{FTDI}, {}, true, "", "", ""},
        {{FTDI},
         {},
         false,
         "cannot make the link",
         "",
         "COM1 stays as it was: cannot make the link"},
    };
    for (const Case& k : cases) {
        ProgramRig rig;
        rig.devices.devices = k.present;
        rig.devices.links = k.links;
        rig.devices.linkFailure = k.linkFailure;
        if (k.settingsFile) {
            std::filesystem::create_directories(rig.folder);
            std::ofstream(rig.file) << settingsFile(DEFAULT_ITEMS);
        }
        rig.program.start();
        EXPECT_EQ(rig.devices.links.count(1) ? rig.devices.links[1] : "", k.com1);
        EXPECT_EQ(rig.program.startNotice(), k.notice);
    }
}

} // namespace
