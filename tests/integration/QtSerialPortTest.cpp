#include "platform/QtSerialPort.h"
#include "platform/QtWait.h"
#include "platform/SettingsFolder.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <pty.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;

// A pseudo-terminal pair: the test writes into the master side, the adapter
// opens the slave side through a COMn link in the settings folder.
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
    ~Pty() { hangUp(); }
    void hangUp() {
        if (master >= 0) ::close(master);
        master = -1;
    }
    void write(const std::string& text) const {
        ASSERT_EQ(::write(master, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }
};

double cpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct SerialOnPty : ::testing::Test {
    QTemporaryDir config;
    QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    QtSerialPort port;
    std::string received;
    int notifications = 0;

    void SetUp() override {
        ASSERT_TRUE(config.isValid());
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        fs::create_directories(settingsFolder());
        port.setReceiveHandler([this] {
            ++notifications;
            received += port.readAll();
            port.clearInput();
        });
    }
    void TearDown() override {
        port.close();
        qputenv("XDG_CONFIG_HOME", savedConfig);
    }
    void link(int n, const std::string& target) {
        const fs::path entry = fs::path(settingsFolder()) / ("COM" + std::to_string(n));
        fs::remove(entry);
        fs::create_symlink(target, entry);
    }
    bool receive(const std::string& text) {
        return waitUntil([&] { return received.find(text) != std::string::npos; });
    }
};

TEST_F(SerialOnPty, TheSettingsFolderFollowsXdgConfigHome) {
    EXPECT_EQ(settingsFolder(), config.path().toStdString() + "/Vectrin");
    link(3, "/dev/null");
    EXPECT_EQ(serialDevicePath(3), settingsFolder() + "/COM3");
    EXPECT_EQ(serialDevicePath(2), "/dev/ttyS1");
    qputenv("XDG_CONFIG_HOME", "");
    EXPECT_EQ(settingsFolder(), QDir::homePath().toStdString() + "/.config/Vectrin");
}

TEST_F(SerialOnPty, TextWrittenInFragmentsArrivesInOrderAndComplete) {
    Pty pty;
    ASSERT_FALSE(pty.slave.empty());
    link(2, pty.slave);
    port.setPortNumber(2);
    port.setSettings("4800,n,8,1");
    port.open();
    ASSERT_TRUE(port.isOpen());
    const std::string fragments[] = {"$GPRMC,123519,A,4807.038,N",
                                     ",01131.000,E,022.4,084.4*6A\r\n",
                                     "%0",
                                     "45",
                                     "%1",
                                     "23\r\n"};
    std::string sent;
    for (const std::string& fragment : fragments) {
        pty.write(fragment);
        sent += fragment;
        ASSERT_TRUE(waitUntil([&] { return received.size() == sent.size(); })) << received;
    }
    EXPECT_EQ(received, sent);
    EXPECT_GE(notifications, 6);
}

TEST_F(SerialOnPty, LineSettingsAreCheckedAndReachAnOpenPortAtOnce) {
    Pty pty;
    link(1, pty.slave);
    port.setPortNumber(1);
    port.setSettings("9600,n,8,1");
    port.open();
    termios line{};
    ASSERT_EQ(::tcgetattr(pty.master, &line), 0);
    EXPECT_EQ(::cfgetispeed(&line), static_cast<speed_t>(B9600));
    port.setSettings("2400,n,8,1");
    ASSERT_EQ(::tcgetattr(pty.master, &line), 0);
    EXPECT_EQ(::cfgetispeed(&line), static_cast<speed_t>(B2400));
    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB), 0u);

    for (const char* bad : {"19200,n,8,1", "4800,e,8,1", "4800,n,7,1", "4800", "", "4800,N,8,1"})
        EXPECT_THROW(port.setSettings(bad), SerialPortError) << bad;
    ASSERT_EQ(::tcgetattr(pty.master, &line), 0);
    EXPECT_EQ(::cfgetispeed(&line), static_cast<speed_t>(B2400));
}

TEST_F(SerialOnPty, OpenFailuresCarryAReasonTheOperatorCanRead) {
    link(3, config.path().toStdString() + "/no-such-device");
    port.setPortNumber(3);
    try {
        port.open();
        FAIL() << "a missing device opened";
    } catch (const SerialPortError& e) {
        EXPECT_STREQ(e.what(), "COM3: NOT FOUND");
    }
    EXPECT_FALSE(port.isOpen());

    for (const int bad : {0, 9, -1}) {
        try {
            port.setPortNumber(bad);
            FAIL() << "port " << bad << " accepted";
        } catch (const SerialPortError& e) {
            EXPECT_EQ(std::string(e.what()), "COM" + std::to_string(bad) + ": no such port");
        }
    }
    EXPECT_EQ(port.portNumber(), 3);
}

TEST_F(SerialOnPty, AVanishedDeviceNeitherSpinsNorClosesThePortAndIsReopenedWhenBack) {
    auto pty = std::make_unique<Pty>();
    link(4, pty->slave);
    port.setPortNumber(4);
    port.open();
    pty->write("%010");
    ASSERT_TRUE(receive("%010"));

    pty->hangUp();
    ASSERT_TRUE(waitUntil([&] { return port.waitingForDevice(); }));
    const double before = cpuSeconds();
    runEventsFor(1000);
    EXPECT_LT(cpuSeconds() - before, 0.3);
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.readAll(), "");

    auto replacement = std::make_unique<Pty>();
    link(4, replacement->slave);
    ASSERT_TRUE(waitUntil([&] { return !port.waitingForDevice(); }));
    replacement->write("%020");
    EXPECT_TRUE(receive("%020"));
    EXPECT_TRUE(port.isOpen());
}

TEST_F(SerialOnPty, ClosingThePortEndsTheWaitForItsDevice) {
    auto pty = std::make_unique<Pty>();
    link(5, pty->slave);
    port.setPortNumber(5);
    port.open();
    pty->hangUp();
    ASSERT_TRUE(waitUntil([&] { return port.waitingForDevice(); }));
    port.close();
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(port.waitingForDevice());

    Pty replacement;
    link(5, replacement.slave);
    replacement.write("%030");
    runEventsFor(1200);
    EXPECT_EQ(received.find("%030"), std::string::npos);
}

} // namespace
