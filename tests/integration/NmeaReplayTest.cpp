// SPDX-License-Identifier: GPL-3.0-or-later
// The real receiver captures through a pseudo-terminal, read by the real
// serial adapter and taken in by the running cycle: they pass the same checker
// as the replays through the fake port. The replay hands the text of each
// 50 ms tick to the line (about 24 characters a tick, as at 4800 baud in the
// replay's own time); the line cuts it at random points and hands each piece
// over as a read of its own, as fast as the adapter takes them: paced in real
// time the captures (a megabyte) would take 17 minutes at 9600 baud.

#include "integration/WindowOnPty.h"
#include "support/NmeaCaptures.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr std::uint32_t SEED = 20261206;

class CaptureOnPty : public ::testing::TestWithParam<std::string> {};

TEST_P(CaptureOnPty, TheHeadingFollowsTheMovingFixesThroughTheRealPort) {
    const Capture capture = loadCapture(GetParam());
    WindowOnPty window(0, SEED);
    ASSERT_TRUE(window.serial.isOpen());
    const ReplayLog log = replayCapture(
        window, capture, [&](const std::string& chunk) { return window.send(chunk); });
    EXPECT_EQ(window.received, capture.stream.size());
    checkReplay(capture, log, window.f);
}

INSTANTIATE_TEST_SUITE_P(Captures, CaptureOnPty, ::testing::ValuesIn(CAPTURES), captureTestName);

} // namespace
