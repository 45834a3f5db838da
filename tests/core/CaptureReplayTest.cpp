// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/NmeaCaptures.h"

#include <gtest/gtest.h>

namespace {

// Each real receiver capture through the fake serial port into the running
// cycle; the checks are those of NmeaCaptures.h.
class CaptureReplay : public ::testing::TestWithParam<std::string> {};

TEST_P(CaptureReplay, TheHeadingFollowsTheMovingFixesAndNothingElse) {
    const Capture capture = loadCapture(GetParam());
    TestRig rig;
    const ReplayLog log = replayCapture(rig, capture);
    checkReplay(capture, log, rig.f);
}

INSTANTIATE_TEST_SUITE_P(Captures, CaptureReplay, ::testing::ValuesIn(CAPTURES), captureTestName);

} // namespace
