// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SerialOpenFailure.h"

namespace {

const char* const CHOOSE = "CHOOSE DEVICE in the options dialog";

const char* shortReason(OpenFailure failure) {
    switch (failure) {
    case OpenFailure::NotFound:
        return "NOT FOUND";
    case OpenFailure::NotAPort:
        return "NOT A PORT";
    case OpenFailure::NoAccess:
        return "NO ACCESS";
    case OpenFailure::InUse:
        return "IN USE";
    case OpenFailure::Failed:
        break;
    }
    return "FAILED";
}

// "COM1 is /dev/serial/by-id/usb-X (that is /dev/ttyUSB0), through the link
// /home/op/.config/Vectrin/COM1".
std::string where(const OpenFailureFacts& facts) {
    const DeviceTarget& t = facts.target;
    std::string text = portLabel(facts.port) + " is " + t.path;
    if (!t.device.empty() && t.device != t.path) text += " (that is " + t.device + ")";
    return text + (t.linked ? ", through the link " : ", as there is no link ") + t.link;
}

std::string devicesPresent(const std::vector<SerialDevice>& present) {
    if (present.empty()) return "No serial device is present: plug the adapter in, then use ";
    std::string text = "Serial devices present: ";
    for (std::size_t i = 0; i < present.size(); ++i)
        text += (i ? "; " : "") + deviceSummary(present[i]);
    return text + ". Use ";
}

std::string whatToDo(OpenFailure failure, const OpenFailureFacts& facts) {
    switch (failure) {
    case OpenFailure::NotFound:
        return devicesPresent(facts.present) + CHOOSE + ".";
    case OpenFailure::NotAPort:
        return std::string("Use ") + CHOOSE + " to pick the adapter.";
    case OpenFailure::NoAccess:
        if (facts.joinedSinceLogin)
            return "You are in the group " + facts.group +
                   " since this login began: log out and in again.";
        return "Only the group " + facts.group + " may use it: run  sudo usermod -aG " +
               facts.group + " \"$USER\"  and log in again (a new login is needed).";
    case OpenFailure::InUse:
        if (!facts.holder.empty())
            return "It is in use by " + facts.holder + ": close that program or choose another.";
        return "Another program holds it (sudo fuser -v " + facts.target.device +
               " tells which). A modem manager probing a new adapter lets go within a minute.";
    case OpenFailure::Failed:
        break;
    }
    return "Check the adapter and its cable.";
}

} // namespace

std::string portLabel(int number) {
    return "COM" + std::to_string(number);
}

OpenFailure openFailureOf(QSerialPort::SerialPortError error, const QString& detail) {
    const auto says = [&detail](const char* words) {
        return detail.contains(QLatin1String(words), Qt::CaseInsensitive);
    };
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return OpenFailure::NotFound;
    case QSerialPort::PermissionError:
        return says("lock") || says("busy") ? OpenFailure::InUse : OpenFailure::NoAccess;
    case QSerialPort::OpenError:
        return OpenFailure::InUse;
    default:
        return says("inappropriate ioctl") ? OpenFailure::NotAPort : OpenFailure::Failed;
    }
}

std::string openFailureText(int number, OpenFailure failure) {
    return portLabel(number) + ": " + shortReason(failure);
}

std::string openFailureText(int number, QSerialPort::SerialPortError error, const QString& detail) {
    return openFailureText(number, openFailureOf(error, detail));
}

std::string wholeFailureText(OpenFailure failure, const OpenFailureFacts& facts) {
    return where(facts) + ": " + facts.systemText + ". " + whatToDo(failure, facts);
}
