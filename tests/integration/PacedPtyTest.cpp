// SPDX-License-Identifier: GPL-3.0-or-later
// The serial line as adapters deliver it, through the real serial adapter on
// a pseudo-terminal cut at random points: the receiver captures give the
// headings they give through the fake line, and DF messages between GPS
// sentences and noise (every byte value among it) are each taken in once, also
// when cut, and nothing else is, also a "%" that a hang-up leaves without its
// bearing; every byte arrives as it was sent.

#include "integration/PacedPty.h"
#include "core/Numbers.h"
#include "support/NmeaCaptures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

constexpr std::uint32_t SEED = 20261206;

class CaptureOnPty : public ::testing::TestWithParam<std::string> {};

TEST_P(CaptureOnPty, GivesTheHeadingsOfTheFakeLine) {
    PacedPty line(0, SEED);
    replayCapture(loadCapture(GetParam()), line.window,
                  [&](const std::string& text) { return line.send(text); });
}

INSTANTIATE_TEST_SUITE_P(Captures, CaptureOnPty, ::testing::ValuesIn(CAPTURES), captureTestName);

TEST(PacedPty, EveryDfMessageOfACutStreamAt9600BaudIsTakenInOnce) {
    constexpr int MESSAGES = 40;
    PacedPty line(9600, SEED);
    line.f.SIMULATE_TIMER = false;
    const std::string noise[] = {
        "",
        "\r\n",
        "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n",
        "%abc",
        "%\xff\xff\xff",
        std::string("\0%\0\0\0", 5)};
    std::string everyByte; // nothing is translated, dropped or cut at a byte 0
    for (int b = 0; b < 256; ++b)
        everyByte += static_cast<char>(b);
    ASSERT_TRUE(line.send(everyByte));
    std::mt19937 random(SEED);
    std::vector<std::string> sent;
    std::vector<std::size_t> starts; // where each message's "%" stands on the line
    for (int k = 0; k < MESSAGES; ++k) {
        sent.push_back(zeroPadded(random() % 360, 3));
        const std::string& before = noise[random() % std::size(noise)];
        starts.push_back(line.sent.size() + before.size());
        ASSERT_TRUE(line.send(before + "%" + sent.back() + "\r\n")) << "message " << k;
        line.window.tick(); // ends the lock-out
    }
    ASSERT_TRUE(line.send("%"));
    ::close(std::exchange(line.pty.master, -1)); // the adapter is unplugged
    ASSERT_TRUE(waitUntil([&] { return line.rig.port.waitingForDevice(); }));

    EXPECT_EQ(line.taken, line.sent);
    EXPECT_EQ(line.bearings, sent);
    const auto split = std::ranges::count_if(starts, [&](std::size_t start) {
        return std::ranges::any_of(line.reads,
                                   [&](std::size_t end) { return end > start && end < start + 4; });
    });
    EXPECT_GE(split, MESSAGES / 8) << "too few messages cut: the test shows nothing";
}

} // namespace
