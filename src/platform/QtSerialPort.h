// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/SerialPort.h"
#include "platform/SerialOpenFailure.h"

#include <QSerialPort>
#include <QTimer>

#include <termios.h>

#include <functional>
#include <string>

class SysfsSerialDevices;

// The serial port on QSerialPort. Port n is the device that the link COMn in
// the settings folder leads to, else /dev/ttyS{n-1}.
//
// The port locks the device itself, not the name of the link: the device's
// real name is opened (so the serial port library's lock file is named after
// it) and the open descriptor is locked as well, so two programs whose links
// lead to the same device never share it. A port that cannot be opened throws
// the short reason with the whole one, which also goes to standard error.
//
// When the device goes away while open (adapter unplugged, pty closed) the
// port is closed at once and looked for twice a second: by the stable name of
// the device it had (an adapter that comes back as ttyUSB1 instead of ttyUSB0
// is found again), else through the port's link. To its owner the port stays
// open all that time; close() ends the waiting. While open, line settings
// that another program changed (a modem manager probing the device) are put
// back.
class QtSerialPort : public SerialPort {
public:
    explicit QtSerialPort(const SysfsSerialDevices& devices);

    void setReceiveHandler(std::function<void()> handler) override;
    // Runs after every receive notification (the window view mirrors its controls).
    void setAfterNotification(std::function<void()> hook);

    std::string readAll() override;
    void clearInput() override;
    int portNumber() const override { return portNumber_; }
    void setPortNumber(int number) override;
    void setSettings(const std::string& settings) override;
    bool isOpen() const override { return open_; }
    void open() override;
    void close() override;
    // Looks at the device's path twice a second while the port is closed.
    void awaitDevice(std::function<void()> present) override;

    // Whether the device is gone and the port waits for it to come back.
    bool waitingForDevice() const { return open_ && !port_.isOpen(); }

private:
    // Opens the device the target leads to; the whole reason of a failure is
    // worked out only when `explain` (the operator asked, not the watch).
    void openDevice(const DeviceTarget& target, bool explain);
    SerialPortError failure(OpenFailure cause, const DeviceTarget& target,
                            const std::string& systemText, bool explain) const;
    void deviceLost();
    void lookForDevice();
    void checkHangUp();
    void reportPresence();
    void keepLineSettings();
    void report(const std::string& text) const;

    const SysfsSerialDevices& devices_;
    QSerialPort port_;
    QTimer deviceWatch_;
    std::function<void()> onReceive_;
    std::function<void()> afterNotification_;
    std::function<void()> onPresent_;
    int portNumber_ = 1;
    qint32 baudRate_ = 9600;
    bool open_ = false;
    std::string device_;     // the device open now, or last
    std::string stableName_; // its stable name, when it has one
    termios line_{};         // the line settings as this port set them
};
