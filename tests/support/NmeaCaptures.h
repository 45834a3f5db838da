#pragma once

// Real GPS receiver captures for the heading replays, and a reading of their
// course sentences of its own, sentence by sentence, that the heading shown by
// the cycle is checked against.

#include "core/Numbers.h"
#include "core/form_VECTRIN.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The eight captures, each a real receiver's serial output.
inline const std::vector<std::string>& captureNames() {
    static const std::vector<std::string> names = {
        "bt451.log",    "bu353s4.log",     "bundg_zeus_9.log",   "com-1289.log",
        "garmin48.log", "haicom-305N.log", "humminbird-M37.log", "quectel-eg25-g.log"};
    return names;
}

// A test name for a capture: its file name without extension, dashes and
// underscores ("bundg_zeus_9.log" -> "bundgzeus9").
inline std::string captureTestName(const ::testing::TestParamInfo<std::string>& capture) {
    std::string name = capture.param.substr(0, capture.param.find('.'));
    std::erase(name, '-');
    std::erase(name, '_');
    return name;
}

// What the receiver sent: the capture byte for byte, without the lines that
// start with "#" (annotations added later, never on the wire).
inline std::string receiverOutput(const std::string& name) {
    std::ifstream in(std::string(VECTRIN_NMEA_CAPTURES) + "/" + name, std::ios::binary);
    if (!in) throw std::runtime_error("capture not found: " + name);
    const std::string file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::string wire;
    std::size_t start = 0;
    while (start < file.size()) {
        const std::size_t end = std::min(file.find('\n', start), file.size() - 1) + 1;
        if (file[start] != '#') wire.append(file, start, end - start);
        start = end;
    }
    return wire;
}

// A course sentence that a careful reader accepts: its speed and course fields,
// counted within the sentence itself, are plain decimal numbers, truncated
// within 0..300 knots and 0..359 degrees.
struct CourseFix {
    std::size_t offset; // of its "$" in the stream
    int speed;          // knots, truncated
    int course;         // degrees true, truncated
};

inline bool isPlainDecimal(std::string_view field) {
    const std::size_t point = field.find('.');
    const std::string_view whole = field.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : field.substr(point + 1);
    const auto digitsOnly = [](std::string_view s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    return !whole.empty() && digitsOnly(whole) && digitsOnly(fraction);
}

inline std::vector<std::string_view> sentenceFields(std::string_view stream, std::size_t offset) {
    const std::size_t end = std::min(stream.find_first_of("*\r\n$", offset + 1), stream.size());
    const std::string_view sentence = stream.substr(offset, end - offset);
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t comma; (comma = sentence.find(',', start)) != std::string_view::npos;
         start = comma + 1)
        fields.push_back(sentence.substr(start, comma - start));
    fields.push_back(sentence.substr(start));
    return fields;
}

// Every accepted $GPRMC and $GPVTG of a stream, in stream order.
inline std::vector<CourseFix> referenceFixes(std::string_view stream) {
    struct Kind {
        std::string_view identifier;
        std::size_t speed, course;
    };
    std::vector<CourseFix> fixes;
    for (const Kind kind : {Kind{"$GPRMC", 7, 8}, Kind{"$GPVTG", 5, 1}}) {
        for (std::size_t at = stream.find(kind.identifier); at != std::string_view::npos;
             at = stream.find(kind.identifier, at + 1)) {
            const std::vector<std::string_view> fields = sentenceFields(stream, at);
            if (fields.size() <= std::max(kind.speed, kind.course)) continue;
            if (!isPlainDecimal(fields[kind.speed]) || !isPlainDecimal(fields[kind.course]))
                continue;
            const double speed = std::trunc(std::stod(std::string(fields[kind.speed])));
            const double course = std::trunc(std::stod(std::string(fields[kind.course])));
            if (speed > 300 || course > 359) continue;
            fixes.push_back({at, static_cast<int>(speed), static_cast<int>(course)});
        }
    }
    std::sort(fixes.begin(), fixes.end(),
              [](const CourseFix& a, const CourseFix& b) { return a.offset < b.offset; });
    return fixes;
}

// The courses of the fixes made above 3 knots, in order, repeats in a row merged.
inline std::vector<int> movingCourses(const std::vector<CourseFix>& fixes) {
    std::vector<int> courses;
    for (const CourseFix& fix : fixes)
        if (fix.speed > 3 && (courses.empty() || courses.back() != fix.course))
            courses.push_back(fix.course);
    return courses;
}

// Crossings of north between consecutive headings: a step of less than 90
// degrees around the circle that passes from one side of north to the other.
inline int northCrossings(const std::vector<int>& headings) {
    int crossings = 0;
    for (std::size_t i = 1; i < headings.size(); ++i) {
        const int a = headings[i - 1], b = headings[i];
        if (std::abs(a - b) > 270) ++crossings;
    }
    return crossings;
}

// True when `part` appears in `whole` in the same order (gaps allowed).
inline bool isOrderedSubsequence(const std::vector<int>& part, const std::vector<int>& whole) {
    auto at = whole.begin();
    for (const int value : part) {
        at = std::find(at, whole.end(), value);
        if (at == whole.end()) return false;
        ++at;
    }
    return true;
}

// Watches the heading after every cycle of a replay. A new heading must be the
// course of a moving fix that the GPS buffer could hold at that moment: its "$"
// among the last 1000 characters delivered and at least 82 characters before
// the end.
class HeadingWatch {
public:
    HeadingWatch(std::vector<CourseFix> fixes, int initial)
        : fixes_(std::move(fixes)), last_(initial) {}

    void observe(int heading, std::size_t delivered) {
        if (heading == last_) return;
        last_ = heading;
        shown.push_back(heading);
        const bool explained = std::any_of(fixes_.begin(), fixes_.end(), [&](const CourseFix& f) {
            return f.speed > 3 && f.course == heading && f.offset + 82 <= delivered &&
                   f.offset + 1000 >= delivered;
        });
        if (!explained)
            unexplained.push_back("heading " + std::to_string(heading) + " after " +
                                  std::to_string(delivered) + " characters");
    }

    std::vector<int> shown;
    std::vector<std::string> unexplained;

private:
    std::vector<CourseFix> fixes_;
    int last_;
};

// Chunk sizes as a serial port hands text over, about 24 characters per 50 ms
// tick on average: 4800 baud. A replay delivers one chunk per tick.
inline std::size_t replayChunkSize(std::size_t k) {
    constexpr std::size_t sizes[] = {1, 7, 24, 13, 64, 3, 31, 48};
    return sizes[k % std::size(sizes)];
}
inline constexpr double REPLAY_TICK = 0.05;

// What a replay saw of the heading, its label and the GPS watch after each cycle.
class ReplayLog {
public:
    explicit ReplayLog(const std::vector<CourseFix>& fixes) : watch(fixes, 0), fixes_(fixes) {}

    void afterCycle(const form_VECTRIN& f, double secondsIntoReplay, std::size_t delivered) {
        watch.observe(f.HEADING, delivered);
        if (f.HEADING < 0 || f.HEADING > 359) outOfRange = true;
        if (f.Frame_GPS_FAIL.visible && !failVisible_)
            failShows.push_back({secondsIntoReplay, f.HEADING});
        failVisible_ = f.Frame_GPS_FAIL.visible;
        for (; nextFix_ < fixes_.size() && fixes_[nextFix_].offset + 82 <= delivered; ++nextFix_)
            if (fixes_[nextFix_].speed > 3) latestMovingCourse_ = fixes_[nextFix_].course;
        if (latestMovingCourse_ >= 0 && f.HEADING != latestMovingCourse_) ++laggingCycles;
        const std::string& label = f.Label_HDG.caption;
        gpsLabelSeen = gpsLabelSeen || label.starts_with("GPS");
        if (label.starts_with("GPS") && label != "GPS " + zeroPadded(f.HEADING, 3) + " TRU")
            labelMismatch = label;
    }

    HeadingWatch watch;
    bool outOfRange = false;
    bool gpsLabelSeen = false;
    std::string labelMismatch;
    // Each time GPS FAIL appeared: seconds into the replay, and the heading then.
    std::vector<std::pair<double, int>> failShows;
    // Cycles whose heading was not the course of the latest complete moving fix.
    int laggingCycles = 0;

private:
    const std::vector<CourseFix>& fixes_;
    bool failVisible_ = false;
    std::size_t nextFix_ = 0;
    int latestMovingCourse_ = -1;
};
