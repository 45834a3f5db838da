// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtSerialPort.h"
#include "integration/PtyPair.h"
#include "platform/QtWait.h"
#include "platform/SettingsFolder.h"
#include "platform/SysfsSerialDevices.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;

double cpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// What the action threw; empty when it did not throw.
template <typename Action> std::string failure(Action action) {
    try {
        action();
    } catch (const SerialPortError& e) {
        return e.what();
    }
    return {};
}

struct SerialOnPty : ::testing::Test {
    QTemporaryDir config;
    QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    SysfsSerialDevices devices{DevicePlaces{(config.path() + "/Vectrin").toStdString()}};
    QtSerialPort port{devices};
    std::string received;

    void SetUp() override {
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        fs::create_directories(settingsFolder());
        port.setReceiveHandler([this] { received += port.readAll(); });
    }
    void TearDown() override {
        port.close();
        qputenv("XDG_CONFIG_HOME", savedConfig);
    }
    // Makes port n the device (a COMn link to it).
    void link(int n, const std::string& device) {
        const fs::path entry = fs::path(settingsFolder()) / ("COM" + std::to_string(n));
        fs::remove(entry);
        fs::create_symlink(device, entry);
    }
    void open(int n, const std::string& device) {
        link(n, device);
        port.setPortNumber(n);
        port.open();
    }
    bool receive(const std::string& text) {
        return waitUntil([&] { return received.find(text) != std::string::npos; });
    }
};

TEST_F(SerialOnPty, TheSettingsFolderFollowsXdgConfigHome) {
    EXPECT_EQ(settingsFolder(), config.path().toStdString() + "/Vectrin");
    qputenv("XDG_CONFIG_HOME", "");
    EXPECT_EQ(settingsFolder(), QDir::homePath().toStdString() + "/.config/Vectrin");
}

TEST_F(SerialOnPty, TextWrittenInFragmentsArrivesInOrderAndComplete) {
    Pty pty;
    open(2, pty.slave);
    std::string sent;
    for (const char* fragment : {"$GPRMC,123519,A,4807.038,N", ",01131.000,E,022.4,084.4*6A\r\n",
                                 "%0", "45", "%1", "23\r\n"}) {
        pty.write(fragment);
        sent += fragment;
        ASSERT_TRUE(waitUntil([&] { return received.size() == sent.size(); })) << received;
    }
    EXPECT_EQ(received, sent);
}

TEST_F(SerialOnPty, LineSettingsAreCheckedAndReachAnOpenPortAtOnce) {
    Pty pty;
    port.setSettings("9600,n,8,1");
    open(1, pty.slave);
    EXPECT_EQ(pty.speed(), static_cast<speed_t>(B9600));
    port.setSettings("2400,n,8,1");
    EXPECT_EQ(pty.speed(), static_cast<speed_t>(B2400));
    for (const char* bad : {"19200,n,8,1", "4800,e,8,1", "4800,n,7,1", "4800", ""})
        EXPECT_THROW(port.setSettings(bad), SerialPortError) << bad;
    EXPECT_EQ(pty.speed(), static_cast<speed_t>(B2400));
}

TEST_F(SerialOnPty, OpenFailuresCarryAReasonTheOperatorCanRead) {
    EXPECT_EQ(failure([&] { open(3, config.path().toStdString() + "/no-such-device"); }),
              "COM3: NOT FOUND");
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(failure([&] { port.setPortNumber(9); }), "COM9: no such port");
    EXPECT_EQ(failure([&] { port.setPortNumber(0); }), "COM0: no such port");
    EXPECT_EQ(port.portNumber(), 3);
}

// The device goes away and comes back (an adapter unplugged and plugged in
// again) while the port is open; then goes away once more and the operator
// closes the port.
TEST_F(SerialOnPty, AVanishedDeviceNeitherSpinsNorClosesThePortAndIsReopenedWhenBack) {
    auto pty = std::make_unique<Pty>();
    open(4, pty->slave);
    pty->write("%010");
    ASSERT_TRUE(receive("%010"));
    pty.reset();
    ASSERT_TRUE(waitUntil([&] { return port.waitingForDevice(); }));
    const double before = cpuSeconds();
    runEventsFor(1000);
    EXPECT_LT(cpuSeconds() - before, 0.3);
    EXPECT_TRUE(port.isOpen());
    // Another test may get the vanished pty's name; the port must not take it.
    fs::remove(fs::path(settingsFolder()) / "COM4");

    pty = std::make_unique<Pty>();
    link(4, pty->slave);
    ASSERT_TRUE(waitUntil([&] { return !port.waitingForDevice(); }));
    pty->write("%020");
    EXPECT_TRUE(receive("%020"));

    pty.reset();
    ASSERT_TRUE(waitUntil([&] { return port.waitingForDevice(); }));
    port.close();
    EXPECT_FALSE(port.waitingForDevice());
    Pty last;
    link(4, last.slave);
    last.write("%030");
    runEventsFor(1200);
    EXPECT_EQ(received.find("%030"), std::string::npos);
}

} // namespace
