// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SerialOpenFailure.h"

namespace {

const char* reason(QSerialPort::SerialPortError error, const QString& detail) {
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return "NOT FOUND";
    case QSerialPort::PermissionError:
        if (detail.contains(QLatin1String("lock"), Qt::CaseInsensitive) ||
            detail.contains(QLatin1String("busy"), Qt::CaseInsensitive))
            return "IN USE";
        return "NO ACCESS";
    case QSerialPort::OpenError:
        return "IN USE";
    default:
        return "FAILED";
    }
}

} // namespace

std::string portLabel(int number) {
    return "COM" + std::to_string(number);
}

std::string openFailureText(int number, QSerialPort::SerialPortError error, const QString& detail) {
    return portLabel(number) + ": " + reason(error, detail);
}
