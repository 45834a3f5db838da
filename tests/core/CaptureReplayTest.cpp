#include "core/Captions.h"
#include "support/NmeaCaptures.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr double START = 36000;

// A capture replayed through the serial line into the running cycle: heading
// source GPS, acquiring outside test mode, one chunk of text per tick.
struct Replay {
    explicit Replay(const std::string& name)
        : stream(receiverOutput(name)), fixes(referenceFixes(stream)), log(fixes) {
        rig.settings.headingSource = "GPS";
        rig.f.GPS_TIMER = true;
        rig.f.SIMULATE_TIMER = false;
        rig.f.CmdButton_TEST.caption = TEST_OFF;
    }

    void run() {
        std::size_t delivered = 0;
        for (std::size_t k = 0; delivered < stream.size(); ++k) {
            const std::size_t size = replayChunkSize(k);
            rig.serial.deliver(stream.substr(delivered, size));
            delivered = std::min(delivered + size, stream.size());
            rig.clock.seconds += REPLAY_TICK;
            rig.timer1.fire();
            rig.surface.ops.clear();
            log.afterCycle(rig.f, rig.clock.seconds - START, delivered);
        }
    }

    TestRig rig;
    std::string stream;
    std::vector<CourseFix> fixes;
    ReplayLog log;
};

class EveryCapture : public ::testing::TestWithParam<std::string> {};

// What holds for every capture: each new heading is the truncated course of a
// fix above 3 knots that had just arrived, the headings come in the order of
// the capture, every course the capture reports in motion is shown, the last
// one stays, and the label always reads the heading.
TEST_P(EveryCapture, TheHeadingFollowsTheMovingFixesAndNothingElse) {
    Replay replay(GetParam());
    replay.run();
    const std::vector<int> reference = movingCourses(replay.fixes);
    EXPECT_TRUE(replay.log.watch.unexplained.empty())
        << replay.log.watch.unexplained.size() << " unexplained, first "
        << replay.log.watch.unexplained.front();
    EXPECT_TRUE(isOrderedSubsequence(replay.log.watch.shown, reference));
    EXPECT_EQ(std::set<int>(replay.log.watch.shown.begin(), replay.log.watch.shown.end()),
              std::set<int>(reference.begin(), reference.end()));
    EXPECT_EQ(replay.rig.f.HEADING, reference.empty() ? 0 : reference.back());
    EXPECT_FALSE(replay.log.outOfRange);
    EXPECT_EQ(replay.log.labelMismatch, "");
}

INSTANTIATE_TEST_SUITE_P(Captures, EveryCapture, ::testing::ValuesIn(captureNames()),
                         captureTestName);

// The two long drives: every moving fix is taken in the cycle that completes
// it, so the heading runs through exactly the capture's courses without lag,
// across north more than once.
TEST(LongDrives, TheHeadingTakesEveryMovingCourseAcrossNorth) {
    for (const char* name : {"bu353s4.log", "garmin48.log"}) {
        Replay replay(name);
        replay.run();
        const std::vector<int> reference = movingCourses(replay.fixes);
        EXPECT_EQ(replay.log.watch.shown, reference) << name;
        EXPECT_GE(northCrossings(replay.log.watch.shown), 2) << name;
        EXPECT_GT(replay.log.watch.shown.size(), 100u) << name;
        EXPECT_EQ(replay.log.laggingCycles, 0) << name;
        EXPECT_TRUE(replay.log.failShows.empty()) << name;
    }
}

// Three RMC sentences of com-1289 lost bytes so that their speed field reads
// 121007 (the date) and their course field 2.6 (the variation); they must
// never reach the heading, and no real fix of that drive heads 2.
TEST(CorruptedCapture, TheByteSlipSentencesNeverChangeTheHeading) {
    Replay replay("com-1289.log");
    std::size_t slips = 0;
    for (std::size_t at = replay.stream.find("$GPRMC"); at != std::string::npos;
         at = replay.stream.find("$GPRMC", at + 1))
        slips += sentenceFields(replay.stream, at).at(7) == "121007";
    ASSERT_EQ(slips, 3u);
    replay.run();
    EXPECT_EQ(std::count(replay.log.watch.shown.begin(), replay.log.watch.shown.end(), 2), 0);
    EXPECT_TRUE(replay.log.watch.unexplained.empty());
}

// The PinePhone modem starts without a fix and drops back to status V with
// empty fields in mid-stream: the heading holds at its last moving course (265,
// the 5.5-knot fix at 19:15:16), GPS FAIL shows 10 s after the last usable
// sentence, and the first usable one after the loss hides it again.
TEST(StatusVCapture, GpsFailShowsWhileTheFixIsLostAndGoesWhenItReturns) {
    Replay replay("quectel-eg25-g.log");
    replay.run();
    ASSERT_EQ(replay.log.failShows.size(), 2u);
    EXPECT_EQ(replay.log.failShows[0].second, 0);
    EXPECT_EQ(replay.log.failShows[1].second, 265);
    EXPECT_FALSE(replay.rig.f.Frame_GPS_FAIL.visible);
    EXPECT_TRUE(replay.log.watch.unexplained.empty());
}

// Course and speed under another talker ($INRMC, $INVTG) are not GPS sentences
// of this system: no heading ever, and GPS FAIL on the first cycle past 10 s.
TEST(OtherTalkerCapture, NeverSetsAHeadingAndGpsFailShowsAfterTenSeconds) {
    Replay replay("humminbird-M37.log");
    ASSERT_NE(replay.stream.find("$INRMC"), std::string::npos);
    ASSERT_NE(replay.stream.find("$INVTG"), std::string::npos);
    replay.run();
    EXPECT_TRUE(replay.log.watch.shown.empty());
    EXPECT_FALSE(replay.log.gpsLabelSeen);
    EXPECT_EQ(replay.rig.f.HEADING, 0);
    ASSERT_EQ(replay.log.failShows.size(), 1u);
    EXPECT_GT(replay.log.failShows[0].first, 10);
    EXPECT_LE(replay.log.failShows[0].first, 10 + REPLAY_TICK + 1e-6);
    EXPECT_TRUE(replay.rig.f.Frame_GPS_FAIL.visible);
}

} // namespace
