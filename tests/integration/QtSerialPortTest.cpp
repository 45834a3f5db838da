// SPDX-License-Identifier: GPL-3.0-or-later
// The real serial adapter on pseudo-terminals behind COMn links: line
// settings, open failures, one owner per device, an adapter that goes away and comes back (also
// under another name).

#include "integration/SerialRig.h"
#include "platform/SettingsFolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>

#include <ctime>
#include <filesystem>
#include <memory>
#include <string>

namespace {

TEST(SettingsFolder, FollowsXdgConfigHomeElseTheHomeFolder) {
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/config home");
    EXPECT_EQ(settingsFolder(), "/config home/Vectrin");
    qputenv("XDG_CONFIG_HOME", "");
    EXPECT_EQ(settingsFolder(), QDir::homePath().toStdString() + "/.config/Vectrin");
    qputenv("XDG_CONFIG_HOME", saved);
}

// Open failures carry a reason the operator can read. Two settings folders
// whose links lead to one device (even as root, who ignores the
// exclusive-open flag) never share it: the second program is told who has it.
// Line settings are checked and reach an open port at once; another program
// (a modem manager's probe) changing them finds them set back.
TEST(QtSerialPort, OpenFailuresSayWhyTwoLinksNeverShareADeviceAndLineSettingsAreKept) {
    Pty pty;
    SerialRig first, second;
    first.com(1, pty.slave);
    second.com(3, second.places.dev + "/ttyUSB0");
    second.port.setPortNumber(3);
    EXPECT_EQ(failure([&] { second.port.open(); }).first, "COM3: NOT FOUND");
    EXPECT_FALSE(second.port.isOpen());
    EXPECT_EQ(failure([&] { second.port.setPortNumber(9); }).first, "COM9: no such port");
    EXPECT_EQ(failure([&] { second.port.setPortNumber(0); }).first, "COM0: no such port");
    EXPECT_EQ(second.port.portNumber(), 3);
    second.link(second.places.dev + "/ttyUSB0", pty.slave);
    first.port.open();
    const auto [reason, whole] = failure([&] { second.port.open(); });
    EXPECT_EQ(reason, "COM3: IN USE");
    EXPECT_NE(whole.find("in use by process " + std::to_string(::getpid())), std::string::npos)
        << whole;
    first.port.close();
    second.port.setSettings("9600,n,8,1");
    second.port.open();
    EXPECT_TRUE(second.receives(pty, "%123"));
    EXPECT_EQ(pty.speed(), static_cast<speed_t>(B9600));
    second.port.setSettings("2400,n,8,1");
    EXPECT_EQ(pty.speed(), static_cast<speed_t>(B2400));
    for (const char* bad : {"19200,n,8,1", "4800,e,8,1", "4800,n,7,1", "4800", ""})
        EXPECT_THROW(second.port.setSettings(bad), SerialPortError) << bad;
    EXPECT_EQ(pty.speed(), static_cast<speed_t>(B2400));
    const int probe = ::open(pty.slave.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios line{};
    ::tcgetattr(probe, &line);
    ::cfsetspeed(&line, B57600);
    ::tcsetattr(probe, TCSANOW, &line);
    ::close(probe);
    ASSERT_EQ(pty.speed(), static_cast<speed_t>(B57600));
    EXPECT_TRUE(waitUntil([&] { return pty.speed() == static_cast<speed_t>(B2400); }));
}

// The adapter is unplugged and plugged in again while the port is open:
// back as the same ttyUSB0, then as ttyUSB1 while another adapter took ttyUSB0
// and a probe holds it for a while, when the port waits for it by the stable
// name it learned, without spinning. Unplugged once more, the operator closes
// the port and it waits no more.
TEST(QtSerialPort, AnUnpluggedAdapterIsFoundAgainUntilThePortIsClosed) {
    SerialRig rig;
    const std::string stable = rig.places.byId + "/usb-FTDI_FT232R_A10K1-if00-port0";
    const std::string usb0 = rig.places.dev + "/ttyUSB0";
    auto adapter = std::make_unique<Pty>();
    rig.link(usb0, adapter->slave);
    rig.com(1, usb0);
    rig.port.open();
    adapter.reset();
    ASSERT_TRUE(waitUntil([&] { return rig.port.waitingForDevice(); }));
    EXPECT_TRUE(rig.port.isOpen());
    // Another test may get the vanished pty's name; the port must not take it.
    std::filesystem::remove(usb0);
    adapter = std::make_unique<Pty>();
    rig.link(usb0, adapter->slave);
    rig.link(stable, "../../ttyUSB0");
    ASSERT_TRUE(waitUntil([&] { return !rig.port.waitingForDevice(); }));
    EXPECT_TRUE(rig.receives(*adapter, "%010"));

    adapter.reset();
    std::filesystem::remove(stable);
    ASSERT_TRUE(waitUntil([&] { return rig.port.waitingForDevice(); }));
    Pty other;
    rig.link(usb0, other.slave);
    adapter = std::make_unique<Pty>();
    const int probe = ::open(adapter->slave.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_EQ(::flock(probe, LOCK_EX), 0);
    rig.link(rig.places.dev + "/ttyUSB1", adapter->slave);
    rig.link(stable, "../../ttyUSB1");
    const std::clock_t before = std::clock(); // the processor time of this process
    runEventsFor(1200);
    EXPECT_LT(static_cast<double>(std::clock() - before) / CLOCKS_PER_SEC, 0.3) << "it spins";
    EXPECT_TRUE(rig.port.waitingForDevice()) << "neither the other adapter nor a held one";
    ::close(probe);
    ASSERT_TRUE(waitUntil([&] { return !rig.port.waitingForDevice(); }));
    other.write("%666");
    EXPECT_TRUE(rig.receives(*adapter, "%020"));
    EXPECT_EQ(rig.received.find("%666"), std::string::npos);

    adapter.reset();
    ASSERT_TRUE(waitUntil([&] { return rig.port.waitingForDevice(); }));
    rig.port.close();
    EXPECT_FALSE(rig.port.waitingForDevice());
    Pty last;
    rig.link(rig.places.dev + "/ttyUSB1", last.slave);
    last.write("%030");
    runEventsFor(1200);
    EXPECT_EQ(rig.received.find("%030"), std::string::npos);
}

} // namespace
