// The real receiver captures written into a pseudo-terminal, read by the real
// serial adapter and taken in by the running cycle, with the heading source on
// GPS: the heading shown follows the moving fixes of the capture and nothing
// else, as the replays through the fake port find too.

#include "core/Captions.h"
#include "core/Executive.h"
#include "platform/QtSerialPort.h"
#include "platform/SettingsFolder.h"
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
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int PORT = 6;

// The master side of a pseudo-terminal pair; the adapter opens the other side.
class PtyMaster {
public:
    PtyMaster() {
        int slave = -1;
        char name[256] = {};
        if (::openpty(&fd_, &slave, name, nullptr, nullptr) != 0) return;
        slavePath_ = name;
        ::close(slave);
    }
    ~PtyMaster() {
        if (fd_ >= 0) ::close(fd_);
    }
    PtyMaster(const PtyMaster&) = delete;
    PtyMaster& operator=(const PtyMaster&) = delete;

    const std::string& slavePath() const { return slavePath_; }
    bool write(std::string_view text) const {
        while (!text.empty()) {
            const ssize_t written = ::write(fd_, text.data(), text.size());
            if (written <= 0) return false;
            text.remove_prefix(static_cast<std::size_t>(written));
        }
        return true;
    }

private:
    int fd_ = -1;
    std::string slavePath_;
};

// The main window on the real serial adapter, its port linked as COM6 to a
// pseudo-terminal in a settings folder of its own; clock, timers and surface
// stay fakes, so the test drives the cycle itself.
struct WindowOnPty {
    QTemporaryDir config;
    QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    PtyMaster pty;
    QtSerialPort serial;
    FakeClock clock;
    FakeTimer timer1;
    FakeTimer timerMouseDown;
    RecordingSurface surface;
    OperatingSettings settings;
    form_VECTRIN f{MainWindowPorts{surface, serial, clock, timer1, timerMouseDown}, settings};
    std::size_t received = 0;

    WindowOnPty() {
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        fs::create_directories(settingsFolder());
        fs::create_symlink(pty.slavePath(), fs::path(settingsFolder()) / "COM6");
        initialiseDisplayState(f);
        settings.headingSource = "GPS";
        f.GPS_TIMER = true;
        f.SIMULATE_TIMER = false;
        f.CmdButton_TEST.caption = TEST_OFF;
        serial.setAfterNotification([this] { received += f.INBUFF.size(); });
        serial.setPortNumber(PORT);
        serial.setSettings("4800,n,8,1");
        serial.open();
    }
    ~WindowOnPty() {
        serial.close();
        qputenv("XDG_CONFIG_HOME", savedConfig);
    }

    // Handles the port's notifications until `count` characters have come
    // through the receive handler, or the deadline passes.
    bool receivedAll(std::size_t count, const QDeadlineTimer& deadline) {
        while (received < count) {
            if (deadline.hasExpired()) return false;
            QCoreApplication::eventDispatcher()->processEvents(QEventLoop::WaitForMoreEvents);
        }
        return true;
    }
};

class CaptureOnPty : public ::testing::TestWithParam<std::string> {};

TEST_P(CaptureOnPty, TheHeadingFollowsTheMovingFixesThroughTheRealPort) {
    const std::string stream = receiverOutput(GetParam());
    const std::vector<CourseFix> fixes = referenceFixes(stream);
    const std::vector<int> reference = movingCourses(fixes);
    WindowOnPty window;
    ASSERT_FALSE(window.pty.slavePath().empty());
    ASSERT_TRUE(window.serial.isOpen());
    ReplayLog log(fixes);

    // Wakes the event loop now and then, so a deadline is noticed even when
    // no text comes.
    QTimer wake;
    wake.start(100);
    const QDeadlineTimer deadline(60000);
    const double start = window.clock.seconds;
    std::size_t delivered = 0;
    for (std::size_t k = 0; delivered < stream.size(); ++k) {
        const std::size_t size = std::min(replayChunkSize(k), stream.size() - delivered);
        ASSERT_TRUE(window.pty.write(std::string_view(stream).substr(delivered, size)));
        delivered += size;
        ASSERT_TRUE(window.receivedAll(delivered, deadline))
            << window.received << " of " << delivered << " characters arrived";
        window.clock.seconds += REPLAY_TICK;
        window.timer1.fire();
        window.surface.ops.clear();
        log.afterCycle(window.f, window.clock.seconds - start, delivered);
    }

    EXPECT_EQ(window.received, stream.size());
    EXPECT_TRUE(log.watch.unexplained.empty())
        << log.watch.unexplained.size() << " unexplained, first " << log.watch.unexplained.front();
    EXPECT_TRUE(isOrderedSubsequence(log.watch.shown, reference));
    EXPECT_EQ(std::set<int>(log.watch.shown.begin(), log.watch.shown.end()),
              std::set<int>(reference.begin(), reference.end()));
    EXPECT_EQ(window.f.HEADING, reference.empty() ? 0 : reference.back());
    EXPECT_FALSE(log.outOfRange);
    EXPECT_EQ(log.labelMismatch, "");
    if (GetParam() == "bu353s4.log" || GetParam() == "garmin48.log") {
        EXPECT_EQ(log.watch.shown, reference);
        EXPECT_EQ(log.laggingCycles, 0);
        EXPECT_GE(northCrossings(log.watch.shown), 2);
    }
    if (GetParam() == "humminbird-M37.log") {
        EXPECT_FALSE(log.gpsLabelSeen);
        ASSERT_EQ(log.failShows.size(), 1u);
        EXPECT_GT(log.failShows[0].first, 10);
        EXPECT_LE(log.failShows[0].first, 10 + REPLAY_TICK + 1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(Captures, CaptureOnPty, ::testing::ValuesIn(captureNames()),
                         captureTestName);

} // namespace
