// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/QtSerialPort.h"
#include "platform/QtWait.h"
#include "platform/SysfsSerialDevices.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>

// A pseudo-terminal pair: the test writes into the master side, the adapter
// opens the slave side (through a COMn link). Closing the master hangs the
// slave up, as an unplugged adapter does.
struct Pty {
    int master = -1;
    std::string slave;
    Pty() {
        int slaveFd = -1;
        char name[256] = {};
        if (::openpty(&master, &slaveFd, name, nullptr, nullptr) != 0) return;
        slave = name;
        ::close(slaveFd);
    }
    ~Pty() { ::close(master); }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;
    void write(const std::string& text) const {
        ASSERT_EQ(::write(master, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }
    speed_t speed() const {
        termios line{};
        ::tcgetattr(master, &line);
        return ::cfgetispeed(&line);
    }
};

// What the action threw: the short reason, then the whole one; empty when it
// did not throw.
template <typename Action> std::pair<std::string, std::string> failure(Action action) {
    try {
        action();
    } catch (const SerialPortError& e) {
        return {e.what(), e.whole()};
    }
    return {};
}

// A device tree of the test's own making (the settings folder with the COMn
// links, device nodes, stable names, the kernel's terminals), the real serial
// adapter on it and what the adapter received.
struct SerialRig {
    QTemporaryDir temporary;
    std::filesystem::path root = temporary.path().toStdString();
    DevicePlaces places{(root / "config").string(), (root / "dev").string(),
                        (root / "dev/serial/by-id").string(), (root / "sys/class/tty").string(),
                        "/sys/dev/char"};
    SysfsSerialDevices devices{places};
    QtSerialPort port{devices};
    std::string received;

    SerialRig() {
        port.setReceiveHandler([this] { received += port.readAll(); });
    }
    ~SerialRig() { port.close(); }

    // Makes `at` a link to `to`, in place of whatever was there.
    void link(const std::filesystem::path& at, const std::filesystem::path& to) {
        std::filesystem::create_directories(at.parent_path());
        std::filesystem::remove(at);
        std::filesystem::create_symlink(to, at);
    }
    // Makes port n the device `to` (a COMn link to it).
    void com(int n, const std::filesystem::path& to) {
        link(places.settingsFolder + "/COM" + std::to_string(n), to);
    }
    // Writes the text into the pseudo-terminal; whether the port received it.
    bool receives(const Pty& pty, const std::string& text) {
        pty.write(text);
        return waitUntil([&] { return received.find(text) != std::string::npos; });
    }
};
