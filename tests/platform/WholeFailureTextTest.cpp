// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DeviceOwnership.h"
#include "platform/SerialOpenFailure.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <string>

namespace {

TEST(WholeFailureText, EachCauseSaysWhatToDo) {
    DeviceTarget target;
    target.path = "/dev/serial/by-id/usb-FTDI-port0";
    target.device = "/dev/ttyUSB0";
    target.link = "/home/op/.config/Vectrin/COM2";
    target.linked = true;
    const std::string where = "COM2 is /dev/serial/by-id/usb-FTDI-port0 (that is /dev/ttyUSB0), "
                              "through the link /home/op/.config/Vectrin/COM2: ";
    const SerialDevice adapter{"/dev/serial/by-id/usb-X", "/dev/ttyUSB1", "CP2102", "0001",
                               "10c4:ea60"};
    const struct {
        OpenFailure cause;
        OpenFailureFacts facts;
        std::string text;
    } rows[] = {
        {OpenFailure::NoAccess,
         {2, target, "Permission denied", {}, "dialout", false, ""},
         where + "Permission denied. Only the group dialout may use it: run  sudo usermod -aG "
                 "dialout \"$USER\"  and log in again (a new login is needed)."},
        {OpenFailure::NoAccess,
         {2, target, "Permission denied", {}, "uucp", true, ""},
         where + "Permission denied. You are in the group uucp since this login began: log out "
                 "and in again."},
        {OpenFailure::InUse,
         {2, target, "Device or resource busy", {}, "", false, "process 77 (minicom)"},
         where + "Device or resource busy. It is in use by process 77 (minicom): close that "
                 "program or choose another."},
        {OpenFailure::InUse,
         {2, target, "Device or resource busy", {}, "", false, ""},
         where + "Device or resource busy. Another program holds it (sudo fuser -v /dev/ttyUSB0 "
                 "tells which). A modem manager probing a new adapter lets go within a minute."},
        {OpenFailure::NotFound,
         {2,
          target,
          "No such file or directory",
          {adapter, {"/dev/ttyS0", "/dev/ttyS0", "", "", ""}},
          "",
          false,
          ""},
         where + "No such file or directory. Serial devices present: /dev/serial/by-id/usb-X "
                 "(CP2102, serial number 0001, now /dev/ttyUSB1); /dev/ttyS0. Use CHOOSE DEVICE "
                 "in the options dialog."},
    };
    for (const auto& row : rows)
        EXPECT_EQ(wholeFailureText(row.cause, row.facts), row.text);
}

// The holder is named from a live process's lock file, else from the
// processes that have the device open; a dead process's lock names nobody.
TEST(DeviceHolder, IsNamedFromALockFileOrAnOpenDescriptor) {
    QTemporaryDir locks;
    const std::string folder = locks.path().toStdString();
    const std::string self = "process " + std::to_string(::getpid()) + " (platform_tests)";
    std::ofstream(folder + "/LCK..ttyUSB7") << "  " << ::getpid() << "\n";
    EXPECT_EQ(deviceHolder("/dev/ttyUSB7", {folder}), self);
    std::ofstream(folder + "/LCK..pts_99") << 999999999 << "\n";
    EXPECT_EQ(deviceHolder("/dev/pts/99", {folder}), "");

    const std::string held = folder + "/held";
    std::ofstream(held) << "";
    const int fd = ::open(held.c_str(), O_RDONLY);
    EXPECT_EQ(deviceHolder(held, {folder}), self);
    ::close(fd);
    EXPECT_EQ(deviceHolder(held, {folder}), "");
}

} // namespace
