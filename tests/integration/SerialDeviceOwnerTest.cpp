// SPDX-License-Identifier: GPL-3.0-or-later
// The real serial adapter and the device behind its link: one owner per
// device, whole reasons, an adapter that comes back under another name, line
// settings that another program changed.

#include "integration/PtyPair.h"
#include "platform/QtSerialPort.h"
#include "platform/QtWait.h"
#include "platform/SysfsSerialDevices.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;

// A station: its own settings folder and device tree, a port on them and what
// the port received.
struct Station {
    QTemporaryDir temporary;
    fs::path root = temporary.path().toStdString();
    SysfsSerialDevices devices{DevicePlaces{(root / "config").string(), (root / "dev").string(),
                                            (root / "by-id").string(), (root / "no-sysfs").string(),
                                            "/sys/dev/char"}};
    QtSerialPort port{devices};
    std::string received;

    Station() {
        port.setReceiveHandler([this] { received += port.readAll(); });
        port.setSettings("4800,n,8,1");
    }
    ~Station() { port.close(); }
    void link(const fs::path& at, const fs::path& to) {
        fs::create_directories(at.parent_path());
        fs::remove(at);
        fs::create_symlink(to, at);
    }
    void com1(const fs::path& to) { link(root / "config/COM1", to); }
    // What open() threw: the short reason, then the whole one.
    std::pair<std::string, std::string> openFailure() {
        try {
            port.open();
        } catch (const SerialPortError& e) {
            return {e.what(), e.whole()};
        }
        return {};
    }
    bool receives(const Pty& pty, const std::string& text) {
        pty.write(text);
        return waitUntil([&] { return received.find(text) != std::string::npos; });
    }
};

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Two settings folders whose links lead to one device (even as root, who
// ignores the exclusive-open flag): the second program is told who has it.
TEST(SerialDeviceOwner, TwoLinksToOneDeviceNeverShareIt) {
    Pty pty;
    Station first, second;
    first.com1(pty.slave);
    second.link(second.root / "dev/ttyUSB0", pty.slave);
    second.com1(second.root / "dev/ttyUSB0");
    first.port.open();
    const auto [reason, whole] = second.openFailure();
    EXPECT_EQ(reason, "COM1: IN USE");
    EXPECT_TRUE(contains(whole, "in use by process " + std::to_string(::getpid()))) << whole;
    first.port.close();
    second.port.open();
    EXPECT_TRUE(second.receives(pty, "%123"));
}

// The adapter comes back as ttyUSB1 while another one took ttyUSB0, and a
// probe holds it for a while: the port waits for it by its stable name.
TEST(SerialDeviceOwner, AnAdapterThatComesBackUnderAnotherNameIsFoundByItsStableName) {
    Station s;
    const fs::path stable = s.root / "by-id/usb-FTDI_FT232R_A10K1-if00-port0";
    auto adapter = std::make_unique<Pty>();
    s.link(s.root / "dev/ttyUSB0", adapter->slave);
    s.link(stable, "../dev/ttyUSB0");
    s.com1(s.root / "dev/ttyUSB0");
    s.port.open();
    ASSERT_TRUE(s.receives(*adapter, "%010"));

    adapter.reset();
    fs::remove(stable);
    ASSERT_TRUE(waitUntil([&] { return s.port.waitingForDevice(); }));
    Pty other;
    s.link(s.root / "dev/ttyUSB0", other.slave);
    adapter = std::make_unique<Pty>();
    const int probe = ::open(adapter->slave.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_EQ(::flock(probe, LOCK_EX), 0);
    s.link(s.root / "dev/ttyUSB1", adapter->slave);
    s.link(stable, "../dev/ttyUSB1");
    runEventsFor(1200);
    EXPECT_TRUE(s.port.waitingForDevice()) << "neither the other adapter nor a held one";
    ::close(probe);
    ASSERT_TRUE(waitUntil([&] { return !s.port.waitingForDevice(); }));
    other.write("%666");
    EXPECT_TRUE(s.receives(*adapter, "%020"));
    EXPECT_FALSE(contains(s.received, "%666"));
}

TEST(SerialDeviceOwner, LineSettingsThatAnotherProgramChangedAreSetBack) {
    Station s;
    Pty pty;
    s.com1(pty.slave);
    s.port.open();
    const int probe = ::open(pty.slave.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios line{};
    ::tcgetattr(probe, &line);
    ::cfsetspeed(&line, B57600);
    ::tcsetattr(probe, TCSANOW, &line);
    ::close(probe);
    ASSERT_EQ(pty.speed(), static_cast<speed_t>(B57600));
    EXPECT_TRUE(waitUntil([&] { return pty.speed() == static_cast<speed_t>(B4800); }));
}

} // namespace
