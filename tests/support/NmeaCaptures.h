// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Real GPS receiver captures, and their replay through the fake serial line
// into the running cycle. The captures' course sentences are read here on
// their own terms, field by field, and the heading the cycle shows is checked
// against that reading.

#include "support/TestRig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

inline const std::vector<std::string> CAPTURES = {
    "bt451.log",          "bu353s4.log",  "bundg_zeus_9.log",
    "com-1289.log",       "garmin48.log", "haicom-305N.log",
    "humminbird-M37.log", "nl2008u.log",  "quectel-eg25-g.log"};

// "bundg_zeus_9.log" -> "bundgzeus9"
inline std::string captureTestName(const ::testing::TestParamInfo<std::string>& capture) {
    std::string name = capture.param.substr(0, capture.param.find('.'));
    std::erase_if(name, [](char c) { return c == '-' || c == '_'; });
    return name;
}

// A course sentence that a careful reader accepts, in motion: RMC or VTG of a
// satellite talker with plain decimal speed over 3 and up to 300 knots and
// course < 360 degrees, both truncated.
struct CourseFix {
    std::size_t offset; // of its "$" in the stream
    int course;
};

// What the receiver sent (lines that start with "#" are annotations added
// later, never on the wire), and its course fixes in motion.
struct Capture {
    std::string name, stream;
    std::vector<CourseFix> fixes;
};

inline Capture loadCapture(const std::string& name) {
    std::ifstream in(std::string(VECTRIN_NMEA_CAPTURES) + "/" + name, std::ios::binary);
    if (!in) throw std::runtime_error("capture not found: " + name);
    Capture capture{name, {}, {}};
    for (std::string line; std::getline(in, line);)
        if (!line.starts_with('#')) capture.stream += line + (in.eof() ? "" : "\n");
    const std::regex decimal(R"(\d+(\.\d*)?)");
    // GPS, GLONASS, Galileo, BeiDou (both names), QZSS, NavIC and combined fixes.
    const std::set<std::string> talkers = {"GP", "GN", "GL", "GA", "GB", "BD", "GQ", "GI"};
    const std::string& s = capture.stream;
    for (std::size_t at = s.find('$'); at != std::string::npos; at = s.find('$', at + 1)) {
        const bool rmc = s.compare(at + 3, 3, "RMC") == 0;
        if (!talkers.contains(s.substr(at + 1, 2)) || (!rmc && s.compare(at + 3, 3, "VTG") != 0))
            continue;
        std::istringstream sentence(s.substr(at, s.find_first_of("*\r\n$", at + 1) - at));
        std::vector<std::string> fields;
        for (std::string field; std::getline(sentence, field, ',');)
            fields.push_back(field);
        const std::size_t speed = rmc ? 7 : 5, course = rmc ? 8 : 1;
        if (fields.size() <= std::max(speed, course) || !std::regex_match(fields[speed], decimal) ||
            !std::regex_match(fields[course], decimal))
            continue;
        const int knots = std::stoi(fields[speed]), degrees = std::stoi(fields[course]);
        if (knots > 3 && knots <= 300 && degrees < 360) capture.fixes.push_back({at, degrees});
    }
    return capture;
}

// The fake serial line of a test rig, as a replay drives it.
struct RigLine {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    bool send(const std::string& text) {
        rig.serial.deliver(text);
        return true;
    }
    void tick() {
        rig.clock.seconds += 0.05;
        rig.timer1.fire();
        rig.surface.ops.clear();
    }
};

// Replays a capture over a line into a window that takes its heading from GPS
// while acquiring from the line: one chunk per 50 ms tick, in sizes as a port
// at 4800 baud hands text over. Each new heading is the course of a moving fix
// that had just come complete (a byte slip that turns the date into a speed of
// 121007 knots makes no fix), every course the capture reports in motion is
// shown, the last one stays. Then what some captures show in particular.
template <typename Line> void replayCapture(const Capture& capture, Line& line) {
    form_VECTRIN& f = line.f;
    f.settings.headingSource = "GPS";
    f.GPS_TIMER = true;
    f.SIMULATE_TIMER = false;
    f.CmdButton_TEST.caption = "T:TEST             ( OFF )";
    constexpr std::size_t CHUNKS[] = {1, 7, 24, 13, 64, 3, 31, 48};
    const std::vector<CourseFix>& fixes = capture.fixes;
    std::vector<int> shown;          // every new heading, in order
    std::vector<std::string> faults; // headings no fix explains
    std::vector<int> failShows;      // the heading each time GPS FAIL appears
    std::size_t delivered = 0, complete = 0;
    bool failShown = false;
    for (std::size_t k = 0; delivered < capture.stream.size(); ++k) {
        const std::string chunk = capture.stream.substr(delivered, CHUNKS[k % std::size(CHUNKS)]);
        ASSERT_TRUE(line.send(chunk)) << "not taken in after " << delivered << " characters";
        delivered += chunk.size();
        line.tick();
        // A sentence can be taken once 82 characters stand from its "$", and
        // only while the GPS buffer still holds it (its last 1000 characters).
        while (complete < fixes.size() && fixes[complete].offset + 82 <= delivered)
            ++complete;
        const std::string at = " after " + std::to_string(delivered) + " characters";
        if (f.HEADING != (shown.empty() ? 0 : shown.back())) {
            shown.push_back(f.HEADING);
            if (std::none_of(fixes.begin(), fixes.begin() + complete, [&](const CourseFix& fix) {
                    return fix.course == f.HEADING && fix.offset + 1000 >= delivered;
                }))
                faults.push_back("heading " + std::to_string(f.HEADING) + at);
        }
        if (f.Frame_GPS_FAIL.visible && !failShown) failShows.push_back(f.HEADING);
        failShown = f.Frame_GPS_FAIL.visible;
    }

    std::vector<int> moving; // in order, repeats in a row merged
    for (const CourseFix& fix : fixes)
        if (moving.empty() || moving.back() != fix.course) moving.push_back(fix.course);
    EXPECT_TRUE(faults.empty()) << faults.size() << " faults, first " << faults[0];
    EXPECT_EQ(std::set<int>(shown.begin(), shown.end()),
              std::set<int>(moving.begin(), moving.end()));
    EXPECT_EQ(f.HEADING, moving.empty() ? 0 : moving.back());
    if (capture.name == "bu353s4.log" || capture.name == "garmin48.log") {
        // Long drives: every moving course in order, and the GPS never fails.
        EXPECT_EQ(shown, moving);
        EXPECT_TRUE(failShows.empty());
    } else if (capture.name == "quectel-eg25-g.log") {
        // No fix at first, then status V with empty fields in mid-stream: GPS
        // FAIL shows at heading 0, then holding the last moving course (265),
        // and the first usable sentence after the loss hides it.
        EXPECT_EQ(failShows, (std::vector<int>{0, 265}));
        EXPECT_FALSE(f.Frame_GPS_FAIL.visible);
    }
}

inline void replayCapture(const Capture& capture) {
    RigLine line;
    replayCapture(capture, line);
}
