#include "platform/SerialOpenFailure.h"

#include "core/OperatingSettings.h"
#include "display/MainControls.h"
#include "platform/FontMapping.h"
#include "platform/Twips.h"

#include <QFontMetrics>
#include <QImage>
#include <QMetaEnum>

#include <gtest/gtest.h>

namespace {

constexpr double DPI = 96;
constexpr double INCHES_PER_METRE = 1.0 / 0.0254;

TEST(SerialOpenFailure, EachCauseHasItsOwnShortReason) {
    EXPECT_EQ(openFailureText(1, QSerialPort::DeviceNotFoundError, "No such file or directory"),
              "COM1: NOT FOUND");
    EXPECT_EQ(openFailureText(2, QSerialPort::PermissionError, "Permission denied"),
              "COM2: NO ACCESS");
    // Another program holds the device: Qt says so through the lock it could not take.
    EXPECT_EQ(openFailureText(3, QSerialPort::PermissionError,
                              "Permission denied while locking the device"),
              "COM3: IN USE");
    EXPECT_EQ(openFailureText(4, QSerialPort::PermissionError, "Device or resource busy"),
              "COM4: IN USE");
    EXPECT_EQ(openFailureText(5, QSerialPort::OpenError, "Device is already open"), "COM5: IN USE");
    EXPECT_EQ(openFailureText(8, QSerialPort::UnsupportedOperationError,
                              "Unsupported operation on a very long explanation"),
              "COM8: FAILED");
}

// The label is 1695 twips wide in bold 8.25 point Arial: 113 pixels at 96 DPI.
TEST(SerialOpenFailure, EveryReasonFitsTheCommunicationsLabel) {
    const MainControls controls{OperatingSettings{}};
    const Control& label = controls.Label_COMM;
    const int width = twipsToPixels(label.width, twipsPerPixelAt(DPI));
    ASSERT_EQ(width, 113);
    QImage screen(1, 1, QImage::Format_RGB32);
    screen.setDotsPerMeterX(static_cast<int>(std::lround(DPI * INCHES_PER_METRE)));
    screen.setDotsPerMeterY(static_cast<int>(std::lround(DPI * INCHES_PER_METRE)));
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
    for (int port = 1; port <= 8; ++port) {
        for (int i = 0; i < errors.keyCount(); ++i) {
            const auto error = static_cast<QSerialPort::SerialPortError>(errors.value(i));
            for (const char* detail : {"", "Permission denied while locking the device",
                                       "A long text of the serial port's own"}) {
                const std::string text = openFailureText(port, error, detail);
                EXPECT_TRUE(fits(text))
                    << text << " is " << metrics.horizontalAdvance(QString::fromStdString(text))
                    << " px";
            }
        }
    }
}

} // namespace
