// SPDX-License-Identifier: GPL-3.0-or-later
// DF messages between GPS sentences and noise, cut at random points as an
// adapter hands them over, through the real serial adapter: every bearing sent
// is taken in once and nothing else is, also a "%" that a hang-up leaves
// without its bearing.

#include "core/Numbers.h"
#include "core/form_VECTRIN.h"
#include "integration/SerialRig.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t SEED = 20261206;
constexpr int MESSAGES = 40;

// The main window on the real serial adapter, its COM6 the slave side of a
// pseudo-terminal; clock, timers and surface stay fakes, so the test drives
// the cycle itself.
struct WindowOnPty {
    SerialRig rig;
    Pty pty;
    FakeClock clock;
    FakeTimer timer1;
    FakeTimer timerMouseDown;
    RecordingSurface surface;
    OperatingSettings settings;
    form_VECTRIN f{MainWindowPorts{surface, rig.port, clock, timer1, timerMouseDown}, settings};
    std::mt19937 random{SEED}; // seeded, so a failure comes back with its seed
    std::size_t sent = 0;
    std::size_t received = 0;
    std::vector<std::size_t> reads; // where each notification's text ended
    std::vector<std::string> taken; // the DF message of each bearing taken in

    WindowOnPty() {
        rig.com(6, pty.slave);
        initialiseDisplayState(f);
        f.SIMULATE_TIMER = false;
        rig.port.setAfterNotification([this] {
            received += f.INBUFF.size();
            reads.push_back(received);
            if (f.INCOUNT > static_cast<int>(taken.size())) taken.push_back(f.DF_MESSAGE);
        });
        rig.port.setPortNumber(6);
        rig.port.setSettings("9600,n,8,1");
        rig.port.open();
    }
    // Puts the text on the line in pieces of 1 to 16 characters, each written
    // once the port has taken in all before it, so that each piece is a
    // notification of its own however busy the machine is.
    bool send(const std::string& text) {
        std::uniform_int_distribution<std::size_t> length(1, 16);
        for (std::size_t at = 0; at < text.size();) {
            const std::string piece = text.substr(at, length(random));
            pty.write(piece);
            at += piece.size();
            sent += piece.size();
            if (!waitUntil([&] { return received >= sent; })) return false;
        }
        return true;
    }
};

TEST(DfIntakeOnPty, EveryBearingOfASplitStreamIsTakenInOnce) {
    WindowOnPty window;
    ASSERT_TRUE(window.rig.port.isOpen());
    const std::string before[] = {
        "",
        "\r\n",
        "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n",
        "$GPVTG,084.4,T,,M,022.4,N,041.5,K*4D\r\n",
        "%abc",
        "%\xff\xff\xff",
        std::string("\0%\0\0\0", 5),
    };
    std::vector<std::string> sent;
    std::vector<std::size_t> starts; // where each message's "%" stands on the line
    for (int k = 0; k < MESSAGES; ++k) {
        sent.push_back(zeroPadded(window.random() % 360, 3));
        const std::string& noise = before[window.random() % std::size(before)];
        starts.push_back(window.sent + noise.size());
        ASSERT_TRUE(window.send(noise + "%" + sent.back() + "\r\n")) << "message " << k;
        window.clock.seconds += 0.05;
        window.timer1.fire(); // ends the lock-out
    }
    ASSERT_TRUE(window.send("%"));
    ::close(window.pty.master); // the adapter is unplugged
    window.pty.master = -1;
    ASSERT_TRUE(waitUntil([&] { return window.rig.port.waitingForDevice(); }));

    EXPECT_EQ(window.taken, sent);
    EXPECT_EQ(window.f.INCOUNT, MESSAGES);
    // The cut is seeded: this many messages come in more than one read.
    const auto split = std::count_if(starts.begin(), starts.end(), [&](std::size_t start) {
        return std::any_of(window.reads.begin(), window.reads.end(),
                           [&](std::size_t end) { return end > start && end < start + 4; });
    });
    EXPECT_GE(split, MESSAGES / 5) << window.reads.size() << " reads";
}

} // namespace
