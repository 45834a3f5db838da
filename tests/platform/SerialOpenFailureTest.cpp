// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SerialOpenFailure.h"

#include <gtest/gtest.h>

#include <tuple>

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

} // namespace
