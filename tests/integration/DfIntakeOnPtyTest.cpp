// SPDX-License-Identifier: GPL-3.0-or-later
// DF messages between GPS sentences and noise on a line at 9600 baud, cut at
// random points as an adapter hands them over, through the real serial
// adapter: every bearing sent is taken in once and nothing else is, also a
// "%" that a hang-up leaves without its bearing.

#include "core/Numbers.h"
#include "integration/WindowOnPty.h"
#include "platform/QtWait.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t SEED = 20261206;
constexpr int MESSAGES = 40;

TEST(DfIntakeOnPty, EveryBearingOfAPacedSplitStreamIsTakenInOnce) {
    WindowOnPty window(9600, SEED);
    ASSERT_TRUE(window.serial.isOpen());
    window.f.SIMULATE_TIMER = false;
    const std::string before[] = {
        "",
        "\r\n",
        "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n",
        "$GPVTG,084.4,T,,M,022.4,N,041.5,K*4D\r\n",
        "%abc",
        "%\xff\xff\xff",
        std::string("\0%\0\0\0", 5),
    };
    std::mt19937 random(SEED);
    std::vector<std::string> sent;
    std::vector<std::size_t> starts; // where each message's "%" stands on the line
    for (int k = 0; k < MESSAGES; ++k) {
        sent.push_back(zeroPadded(random() % 360, 3));
        const std::string& noise = before[random() % std::size(before)];
        starts.push_back(window.sent + noise.size());
        ASSERT_TRUE(window.send(noise + "%" + sent.back() + "\r\n")) << "message " << k;
        window.clock.seconds += 0.05;
        window.timer1.fire(); // ends the lock-out
    }
    ASSERT_TRUE(window.send("%"));
    window.line.stop();
    ::close(window.pty.master); // the adapter is unplugged
    window.pty.master = -1;
    ASSERT_TRUE(waitUntil([&] { return window.serial.waitingForDevice(); }));

    EXPECT_EQ(window.taken, sent);
    EXPECT_EQ(window.f.INCOUNT, MESSAGES);
    // The cut is seeded: this many messages come in more than one read.
    const auto split = std::count_if(starts.begin(), starts.end(), [&](std::size_t start) {
        return std::any_of(window.reads.begin(), window.reads.end(),
                           [&](std::size_t end) { return end > start && end < start + 4; });
    });
    EXPECT_GE(split, MESSAGES / 5) << window.reads.size() << " reads";
    RecordProperty("sent", MESSAGES);
    RecordProperty("taken", static_cast<int>(window.taken.size()));
    RecordProperty("split", static_cast<int>(split));
    RecordProperty("reads", static_cast<int>(window.reads.size()));
}

} // namespace
