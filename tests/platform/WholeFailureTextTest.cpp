// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DeviceOwnership.h"
#include "platform/SerialOpenFailure.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

TEST(SerialOpenFailure, EachCauseHasItsOwnShortReason) {
    const std::tuple<QSerialPort::SerialPortError, const char*, const char*> rows[] = {
        {QSerialPort::DeviceNotFoundError, "No such file or directory", "COM1: NOT FOUND"},
        {QSerialPort::PermissionError, "Permission denied", "COM1: NO ACCESS"},
        // Another program holds the device: Qt tells by the lock it could not take.
        {QSerialPort::PermissionError, "Permission denied while locking the device",
         "COM1: IN USE"},
        {QSerialPort::PermissionError, "Device or resource busy", "COM1: IN USE"},
        {QSerialPort::OpenError, "Device is already open", "COM1: IN USE"},
        {QSerialPort::UnsupportedOperationError, "Unsupported operation", "COM1: FAILED"},
        {QSerialPort::UnsupportedOperationError, "Inappropriate ioctl for device",
         "COM1: NOT A PORT"},
    };
    for (const auto& [error, detail, text] : rows)
        EXPECT_EQ(openFailureText(1, error, detail), text) << detail;
}

// The plain no-access and unnamed-holder texts are read back end to end.
TEST(WholeFailureText, EachCauseSaysWhatToDo) {
    const DeviceTarget usb{"/dev/serial/by-id/usb-F", "/dev/ttyUSB0", "", false, "/cfg/COM2", true};
    const DeviceTarget builtIn{"/dev/ttyS1", "", "", true, "/cfg/COM2", false};
    const std::string where =
        "COM2 is /dev/serial/by-id/usb-F (that is /dev/ttyUSB0), through the link /cfg/COM2: ";
    const std::vector<SerialDevice> present{
        {"/dev/serial/by-id/usb-X", "/dev/ttyUSB1", "CP2102", "0001", "10c4:ea60"},
        {"/dev/ttyS0", "/dev/ttyS0", "", "", ""}};
    // The facts: port, target, the system's words, the devices present, the
    // group, whether joined since login, the holder.
    const std::tuple<OpenFailure, OpenFailureFacts, std::string> rows[] = {
        {OpenFailure::NoAccess,
         {2, usb, "Permission denied", {}, "uucp", true, ""},
         where +
             "Permission denied. You are in the group uucp since this login began: log out and in "
             "again."},
        {OpenFailure::InUse,
         {2, usb, "Device or resource busy", {}, "", false, "process 77 (minicom)"},
         where + "Device or resource busy. It is in use by process 77 (minicom): close that "
                 "program or choose another."},
        {OpenFailure::NotFound,
         {2, builtIn, "No such file or directory", present, "", false, ""},
         "COM2 is /dev/ttyS1, as there is no link /cfg/COM2: No such file or directory. Serial "
         "devices present: /dev/serial/by-id/usb-X (CP2102, "
         "serial number 0001, now /dev/ttyUSB1); /dev/ttyS0. Use CHOOSE DEVICE in the options "
         "dialog."},
    };
    for (const auto& [cause, row, text] : rows)
        EXPECT_EQ(wholeFailureText(cause, row), text);
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
