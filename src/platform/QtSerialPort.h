// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/SerialPort.h"

#include <QSerialPort>
#include <QTimer>

#include <functional>
#include <string>

// The serial port on QSerialPort. Port n is the device that the link COMn in
// the settings folder points to, else /dev/ttyS{n-1}.
//
// When the device goes away while open (adapter unplugged, pty closed) the
// port is closed at once and the device's path is looked at twice a second;
// when it is back the same path is opened again. To its owner the port stays
// open all that time; close() ends the waiting.
class QtSerialPort : public SerialPort {
public:
    QtSerialPort();

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
    void openDevice();
    void deviceLost();
    void lookForDevice();
    void checkHangUp();
    void reportPresence();

    QSerialPort port_;
    QTimer deviceWatch_;
    std::function<void()> onReceive_;
    std::function<void()> afterNotification_;
    std::function<void()> onPresent_;
    int portNumber_ = 1;
    qint32 baudRate_ = 9600;
    std::string devicePath_;
    bool open_ = false;
};
