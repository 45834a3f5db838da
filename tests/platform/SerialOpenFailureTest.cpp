// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SerialOpenFailure.h"

#include "core/OperatingSettings.h"
#include "display/MainControls.h"
#include "platform/FontMapping.h"
#include "platform/Twips.h"

#include <QFontMetrics>
#include <QImage>
#include <QMetaEnum>

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

// The label is 1695 twips wide in bold 8.25 point Arial: 113 pixels at 96 DPI.
TEST(SerialOpenFailure, EveryReasonFitsTheCommunicationsLabel) {
    const MainControls controls{OperatingSettings{}};
    const Control& label = controls.Label_COMM;
    const int width = twipsToPixels(label.width, twipsPerPixelAt(96));
    QImage screen(1, 1, QImage::Format_RGB32);
    screen.setDotsPerMeterX(3780); // 96 DPI
    screen.setDotsPerMeterY(3780);
    const QFontMetrics metrics(toQFont(label.font), &screen);
    auto fits = [&](const std::string& text) {
        const QString shown = QString::fromStdString(text);
        return metrics.horizontalAdvance(shown) <= width &&
               metrics.boundingRect(shown).right() < width;
    };
    // The measure tells a fitting text from one the label cuts short.
    ASSERT_TRUE(fits("COM8 @ 4800 BAUD"));
    ASSERT_FALSE(fits("COM1: Permission denied"));
    const QMetaEnum errors = QMetaEnum::fromType<QSerialPort::SerialPortError>();
    for (int port = 1; port <= 8; ++port)
        for (int i = 0; i < errors.keyCount(); ++i)
            for (const char* detail : {"", "Permission denied while locking the device",
                                       "Inappropriate ioctl for device"}) {
                const auto error = static_cast<QSerialPort::SerialPortError>(errors.value(i));
                EXPECT_TRUE(fits(openFailureText(port, error, detail)))
                    << openFailureText(port, error, detail);
            }
}

} // namespace
