// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtSerialPort.h"

#include "platform/SerialOpenFailure.h"
#include "platform/SettingsFolder.h"

#include <QFileInfo>

#include <poll.h>

#include <array>
#include <utility>

namespace {

constexpr int FIRST_PORT = 1;
constexpr int LAST_PORT = 8;
constexpr int DEVICE_WATCH_MS = 500;
constexpr std::array<qint32, 4> BAUD_RATES{1200, 2400, 4800, 9600};

bool meansDeviceLost(QSerialPort::SerialPortError error) {
    return error == QSerialPort::ReadError || error == QSerialPort::ResourceError ||
           error == QSerialPort::WriteError;
}

} // namespace

QtSerialPort::QtSerialPort() {
    QObject::connect(&port_, &QSerialPort::readyRead, [this] {
        if (onReceive_) onReceive_();
        if (afterNotification_) afterNotification_();
    });
    QObject::connect(&port_, &QSerialPort::errorOccurred, [this](QSerialPort::SerialPortError e) {
        if (meansDeviceLost(e)) deviceLost();
    });
    deviceWatch_.setInterval(DEVICE_WATCH_MS);
    QObject::connect(&deviceWatch_, &QTimer::timeout, [this] {
        if (!open_)
            reportPresence();
        else if (port_.isOpen())
            checkHangUp();
        else
            lookForDevice();
    });
}

void QtSerialPort::setReceiveHandler(std::function<void()> handler) {
    onReceive_ = std::move(handler);
}

void QtSerialPort::setAfterNotification(std::function<void()> hook) {
    afterNotification_ = std::move(hook);
}

std::string QtSerialPort::readAll() {
    if (!port_.isOpen()) return {};
    const QByteArray text = port_.readAll();
    return std::string(text.constData(), static_cast<std::size_t>(text.size()));
}

// Discards what the port has received and not yet handed out; text still on
// its way from the device comes with the next notification.
void QtSerialPort::clearInput() {
    if (port_.isOpen()) port_.skip(port_.bytesAvailable());
}

void QtSerialPort::setPortNumber(int number) {
    if (number < FIRST_PORT || number > LAST_PORT)
        throw SerialPortError(portLabel(number) + ": no such port");
    portNumber_ = number;
}

void QtSerialPort::setSettings(const std::string& settings) {
    for (const qint32 baud : BAUD_RATES) {
        if (settings != std::to_string(baud) + ",n,8,1") continue;
        baudRate_ = baud;
        if (port_.isOpen()) port_.setBaudRate(baudRate_);
        return;
    }
    throw SerialPortError("unsupported line settings \"" + settings + "\"");
}

void QtSerialPort::open() {
    onPresent_ = {};
    if (open_) return;
    devicePath_ = serialDevicePath(portNumber_);
    openDevice();
    open_ = true;
    deviceWatch_.start();
}

void QtSerialPort::close() {
    onPresent_ = {};
    open_ = false;
    deviceWatch_.stop();
    if (port_.isOpen()) port_.close();
}

void QtSerialPort::awaitDevice(std::function<void()> present) {
    onPresent_ = std::move(present);
    if (!open_ && onPresent_) deviceWatch_.start();
}

void QtSerialPort::reportPresence() {
    if (onPresent_ && !QFileInfo::exists(QString::fromStdString(serialDevicePath(portNumber_))))
        return;
    deviceWatch_.stop();
    if (const auto present = std::exchange(onPresent_, {})) {
        present();
        if (afterNotification_) afterNotification_();
    }
}

void QtSerialPort::openDevice() {
    port_.setPortName(QString::fromStdString(devicePath_));
    port_.setBaudRate(baudRate_);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadOnly))
        throw SerialPortError(openFailureText(portNumber_, port_.error(), port_.errorString()));
}

// A vanished device makes every read fail at once; the port is closed from
// the event loop (not inside Qt's own error notification) and the watch
// waits for the device to come back.
void QtSerialPort::deviceLost() {
    QTimer::singleShot(0, &port_, [this] {
        if (port_.isOpen()) port_.close();
    });
}

void QtSerialPort::lookForDevice() {
    if (!QFileInfo::exists(QString::fromStdString(devicePath_))) return;
    try {
        openDevice();
    } catch (const SerialPortError&) {
        // Still not usable; the next look tries again.
    }
}

void QtSerialPort::checkHangUp() {
    pollfd watched{static_cast<int>(port_.handle()), POLLIN, 0};
    if (::poll(&watched, 1, 0) > 0 && (watched.revents & (POLLHUP | POLLERR | POLLNVAL)))
        deviceLost();
}
