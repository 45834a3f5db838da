// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtSerialPort.h"

#include "platform/DeviceOwnership.h"
#include "platform/SysfsSerialDevices.h"

#include <poll.h>
#include <sys/file.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <iostream>
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

bool sameLine(const termios& a, const termios& b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && a.c_cc[VMIN] == b.c_cc[VMIN] &&
           a.c_cc[VTIME] == b.c_cc[VTIME] && ::cfgetispeed(&a) == ::cfgetispeed(&b) &&
           ::cfgetospeed(&a) == ::cfgetospeed(&b);
}

} // namespace

QtSerialPort::QtSerialPort(const SysfsSerialDevices& devices) : devices_(devices) {
    QObject::connect(&port_, &QSerialPort::readyRead, [this] {
        if (onReceive_) onReceive_();
        if (afterNotification_) afterNotification_();
    });
    QObject::connect(&port_, &QSerialPort::errorOccurred, [this](QSerialPort::SerialPortError e) {
        if (meansDeviceLost(e)) deviceLost();
    });
    deviceWatch_.setInterval(DEVICE_WATCH_MS);
    QObject::connect(&deviceWatch_, &QTimer::timeout, [this] {
        if (!open_) return reportPresence();
        if (!port_.isOpen()) return lookForDevice();
        checkHangUp();
        if (port_.isOpen()) keepLineSettings();
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
        if (port_.isOpen()) {
            port_.setBaudRate(baudRate_);
            ::tcgetattr(port_.handle(), &line_);
        }
        return;
    }
    throw SerialPortError("unsupported line settings \"" + settings + "\"");
}

void QtSerialPort::open() {
    onPresent_ = {};
    if (open_) return;
    stableName_.clear();
    try {
        openDevice(devices_.port(portNumber_), true);
    } catch (const SerialPortError& failure) {
        std::cerr << "vectrin: " << failure.whole() << std::endl;
        throw;
    }
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

// The device is there and can be opened: it is closed again at once, and the
// owner opens the port.
void QtSerialPort::reportPresence() {
    if (onPresent_) {
        try {
            openDevice(devices_.port(portNumber_), false);
        } catch (const SerialPortError&) {
            return; // not there, or not usable yet; the next look tries again
        }
        port_.close();
    }
    deviceWatch_.stop();
    if (const auto present = std::exchange(onPresent_, {})) {
        present();
        if (afterNotification_) afterNotification_();
    }
}

void QtSerialPort::openDevice(const DeviceTarget& target, bool explain) {
    if (!target.problem.empty())
        throw failure(target.missing ? OpenFailure::NotFound : OpenFailure::NotAPort, target,
                      target.problem, explain);
    port_.setPortName(QString::fromStdString(target.device));
    port_.setBaudRate(baudRate_);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadOnly)) {
        const QString words = port_.errorString();
        throw failure(openFailureOf(port_.error(), words), target, words.toStdString(), explain);
    }
    if (::flock(static_cast<int>(port_.handle()), LOCK_EX | LOCK_NB) != 0) {
        const std::string words = std::strerror(errno);
        port_.close();
        throw failure(OpenFailure::InUse, target, words, explain);
    }
    ::tcgetattr(port_.handle(), &line_);
    device_ = target.device;
    if (std::string stable = devices_.stableName(device_); !stable.empty())
        stableName_ = std::move(stable);
}

SerialPortError QtSerialPort::failure(OpenFailure cause, const DeviceTarget& target,
                                      const std::string& systemText, bool explain) const {
    const std::string reason = openFailureText(portNumber_, cause);
    if (!explain) return SerialPortError(reason);
    OpenFailureFacts facts;
    facts.port = portNumber_;
    facts.target = target;
    facts.systemText = systemText;
    if (cause == OpenFailure::NotFound) facts.present = devices_.present();
    if (cause == OpenFailure::NoAccess) {
        const DeviceAccess access = deviceAccess(target.device);
        facts.group = access.group;
        facts.joinedSinceLogin = access.joinedSinceLogin;
    }
    if (cause == OpenFailure::InUse) facts.holder = deviceHolder(target.device);
    return SerialPortError(reason, wholeFailureText(cause, facts));
}

// A vanished device makes every read fail at once; the port is closed from
// the event loop (not inside Qt's own error notification) and the watch
// waits for the device to come back.
void QtSerialPort::deviceLost() {
    QTimer::singleShot(0, &port_, [this] {
        if (!port_.isOpen()) return;
        port_.close();
        report(device_ + " is gone; waiting for it to come back");
    });
}

// The device it had, by its stable name when it has one (the link may lead
// to another adapter that took its old number), else through the link.
void QtSerialPort::lookForDevice() {
    const DeviceTarget target =
        stableName_.empty() ? devices_.port(portNumber_) : devices_.inspect(stableName_);
    if (!target.problem.empty()) return;
    try {
        openDevice(target, false);
        report("open again on " + device_);
    } catch (const SerialPortError&) {
        // Not usable yet (another program, a modem manager's probe, may hold
        // it); the next look tries again.
    }
}

void QtSerialPort::checkHangUp() {
    pollfd watched{static_cast<int>(port_.handle()), POLLIN, 0};
    if (::poll(&watched, 1, 0) > 0 && (watched.revents & (POLLHUP | POLLERR | POLLNVAL)))
        deviceLost();
}

void QtSerialPort::keepLineSettings() {
    termios now{};
    if (::tcgetattr(port_.handle(), &now) != 0 || sameLine(now, line_)) return;
    ::tcsetattr(port_.handle(), TCSANOW, &line_);
    ::tcgetattr(port_.handle(), &line_); // as the driver keeps them, so the next look agrees
    report("another program changed the line settings of " + device_ + "; they are set back");
}

void QtSerialPort::report(const std::string& text) const {
    std::cerr << "vectrin: " << portLabel(portNumber_) << ": " << text << std::endl;
}
