// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/form_VECTRIN.h"
#include "integration/PacedLine.h"
#include "integration/PtyPair.h"
#include "platform/QtSerialPort.h"
#include "platform/SettingsFolder.h"
#include "platform/SysfsSerialDevices.h"
#include "support/Fakes.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The main window on the real serial adapter, its COM6 linked to the slave
// side of a pseudo-terminal in a settings folder of its own, the far end a
// paced line; clock, timers and surface stay fakes, so the test drives the
// cycle itself.
struct WindowOnPty {
    QTemporaryDir config;
    QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    Pty pty;
    PacedLine line;
    SysfsSerialDevices devices{DevicePlaces{(config.path() + "/Vectrin").toStdString()}};
    QtSerialPort serial{devices};
    FakeClock clock;
    FakeTimer timer1;
    FakeTimer timerMouseDown;
    RecordingSurface surface;
    OperatingSettings settings;
    form_VECTRIN f{MainWindowPorts{surface, serial, clock, timer1, timerMouseDown}, settings};
    std::size_t sent = 0;
    std::size_t received = 0;
    std::vector<std::size_t> reads; // where each notification's text ended
    std::vector<std::string> taken; // the DF message of each bearing taken in
    // Wakes the event loop now and then, so a deadline is noticed even when no
    // text comes.
    QTimer wake;

    WindowOnPty(int baud, std::uint32_t seed) : line(pty.master, baud, seed) {
        namespace fs = std::filesystem;
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        fs::create_directories(settingsFolder());
        fs::create_symlink(pty.slave, fs::path(settingsFolder()) / "COM6");
        initialiseDisplayState(f);
        serial.setAfterNotification([this] {
            received += f.INBUFF.size();
            line.taken(f.INBUFF.size());
            reads.push_back(received);
            if (f.INCOUNT > static_cast<int>(taken.size())) taken.push_back(f.DF_MESSAGE);
        });
        serial.setPortNumber(6);
        serial.setSettings("9600,n,8,1");
        serial.open();
        wake.start(100);
    }
    ~WindowOnPty() {
        line.stop();
        serial.close();
        qputenv("XDG_CONFIG_HOME", savedConfig);
    }

    // Puts the text on the line, then handles the port's notifications until
    // the receive handler has taken all of it in. However busy the machine,
    // text that has not arrived in 30 s never will.
    bool send(const std::string& text) {
        line.send(text);
        sent += text.size();
        const QDeadlineTimer deadline(30000);
        while (received < sent) {
            if (deadline.hasExpired()) return false;
            QCoreApplication::eventDispatcher()->processEvents(QEventLoop::WaitForMoreEvents);
        }
        return true;
    }
};
