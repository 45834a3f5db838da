// SPDX-License-Identifier: GPL-3.0-or-later
// DF messages arriving in pieces, as a serial adapter hands them over: each is
// taken in once its "%" and three characters are there, wherever the line was
// split; noise is counted nowhere.

#include "core/Executive.h"
#include "support/TestRig.h"

namespace {

using Messages = std::vector<std::string>;

// The window at heading 0 with the test-mode feed off, recording the message
// of every bearing taken in.
struct Line {
    TestRig rig;
    Messages taken;
    Line() { rig.f.SIMULATE_TIMER = false; }
    void notify(const std::string& text) {
        const auto before = rig.f.INCOUNT;
        rig.serial.deliver(text);
        if (rig.f.INCOUNT != before) taken.push_back(rig.f.DF_MESSAGE);
    }
};

// Every stream cut at every pair of places (into one, two or three
// notifications) takes in the same messages.
TEST(DfFraming, EveryStreamCutAnywhereTakesInTheSameMessages) {
    const std::pair<std::string, Messages> cases[] = {
        {"%123", {"123"}},
        {"$GPVTG,084.4,T*4D\r\n%045\r\n", {"045"}},
        {"% 45", {" 45"}},
        {"%7\r\n", {"7\r\n"}},
        {"%%123", {"123"}},              // a "%" starts afresh
        {"%123%124", {"123"}},           // the next message falls in the lock-out
        {"%1%234", {"234"}},             // a message that lost its end
        {"%abc", {}},                    // letters
        {std::string("%\0\0\0", 4), {}}, // NUL bytes
        {"%\xff\xff\xff", {}},
        {"%abc%123", {"123"}}, // noise does not hide the next message
        {"%", {}},             // waits for the rest
        {"%12", {}},
    };
    for (const auto& [stream, expected] : cases) {
        const std::size_t n = stream.size();
        for (std::size_t i = 0; i <= n; ++i)
            for (std::size_t j = i; j <= n; ++j) {
                Line line;
                for (const std::string& piece :
                     {stream.substr(0, i), stream.substr(i, j - i), stream.substr(j)})
                    line.notify(piece);
                EXPECT_EQ(line.taken, expected) << "cut at " << i << " and " << j;
            }
    }
}

// A part of a message that waits beyond a second belongs to a message cut off
// (a device unplugged mid-message): it joins no later text. Within a second,
// midnight included, the rest completes it. A message whose "%" comes during
// the lock-out is dropped whole, even when its rest arrives after the tick.
TEST(DfFraming, APartCutOffByAHangUpOrTheLockOutJoinsNothingThatComesLater) {
    using Notifications = std::vector<std::pair<double, std::string>>; // "": the tick
    const std::pair<Notifications, Messages> cases[] = {
        {{{36000, "%"}, {36002, "3\r\n%124"}}, {"124"}},
        {{{36010, "%1"}, {36010.9, "25"}}, {"125"}},
        {{{86399.8, "%"}, {0.3, "126"}}, {"126"}}, // across midnight
        {{{86399.8, "%"}, {1.5, "127"}}, {}},
        {{{36000, "%123"}, {36000, "%1"}, {36000.05, ""}, {36000.05, "24"}, {36000.05, "%125"}},
         {"123", "125"}},
    };
    for (const auto& [notifications, expected] : cases) {
        Line line;
        for (const auto& [at, text] : notifications) {
            line.rig.clock.seconds = at;
            text.empty() ? line.rig.timer1.fire() : line.notify(text);
        }
        EXPECT_EQ(line.taken, expected) << notifications.front().second;
    }
}

} // namespace
