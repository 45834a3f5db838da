// SPDX-License-Identifier: GPL-3.0-or-later
// The real receiver captures written into a pseudo-terminal, read by the real
// serial adapter and taken in by the running cycle: they pass the same checker
// as the replays through the fake port.

#include "platform/QtSerialPort.h"
#include "platform/SettingsFolder.h"
#include "platform/SysfsSerialDevices.h"
#include "support/Fakes.h"
#include "support/NmeaCaptures.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <pty.h>
#include <unistd.h>

#include <filesystem>

namespace {

// The main window on the real serial adapter, its COM6 linked to the slave side
// of a pseudo-terminal in a settings folder of its own; clock, timers and
// surface stay fakes, so the replay drives the cycle itself.
struct WindowOnPty {
    QTemporaryDir config;
    QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    int master = -1;
    SysfsSerialDevices devices{DevicePlaces{(config.path() + "/Vectrin").toStdString()}};
    QtSerialPort serial{devices};
    FakeClock clock;
    FakeTimer timer1, timerMouseDown;
    RecordingSurface surface;
    OperatingSettings settings;
    form_VECTRIN f{MainWindowPorts{surface, serial, clock, timer1, timerMouseDown}, settings};
    std::size_t sent = 0, received = 0;
    QTimer wake; // wakes the event loop now and then, so that a deadline is noticed

    WindowOnPty() {
        int slave = -1;
        char name[256] = {};
        if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) return;
        ::close(slave);
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        std::filesystem::create_directories(settingsFolder());
        std::filesystem::create_symlink(name, std::filesystem::path(settingsFolder()) / "COM6");
        initialiseDisplayState(f);
        serial.setAfterNotification([this] { received += f.INBUFF.size(); });
        serial.setPortNumber(6);
        serial.open();
        wake.start(100);
    }
    ~WindowOnPty() {
        serial.close();
        if (master >= 0) ::close(master);
        qputenv("XDG_CONFIG_HOME", savedConfig);
    }

    // Writes a chunk into the master side, then handles the port's
    // notifications until the receive handler has taken all of it in. However
    // busy the machine, a chunk that has not arrived in 30 s never will.
    bool send(const std::string& chunk) {
        if (::write(master, chunk.data(), chunk.size()) != static_cast<ssize_t>(chunk.size()))
            return false;
        sent += chunk.size();
        const QDeadlineTimer deadline(30000);
        while (received < sent && !deadline.hasExpired())
            QCoreApplication::eventDispatcher()->processEvents(QEventLoop::WaitForMoreEvents);
        return received == sent;
    }
};

class CaptureOnPty : public ::testing::TestWithParam<std::string> {};

TEST_P(CaptureOnPty, TheHeadingFollowsTheMovingFixesThroughTheRealPort) {
    const Capture capture = loadCapture(GetParam());
    WindowOnPty window;
    ASSERT_TRUE(window.serial.isOpen());
    const ReplayLog log = replayCapture(
        window, capture, [&](const std::string& chunk) { return window.send(chunk); });
    EXPECT_EQ(window.received, capture.stream.size());
    checkReplay(capture, log, window.f);
}

INSTANTIATE_TEST_SUITE_P(Captures, CaptureOnPty, ::testing::ValuesIn(CAPTURES), captureTestName);

} // namespace
