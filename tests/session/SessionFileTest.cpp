// SPDX-License-Identifier: GPL-3.0-or-later
// The session file: what the recorder writes reads back byte for byte, and a
// damaged file plays up to the damage and says where it is.

#include "session/SessionFormat.h"
#include "session/SessionRecorder.h"
#include "session/SessionWriter.h"
#include "support/Fakes.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

namespace {

namespace fs = std::filesystem;

const std::string HEAD = "VECTRIN SESSION 1\nstart 2026-12-06 13:50:39.250\n";

TEST(SessionFormat, ADamagedFileKeepsTheRecordsBeforeTheDamage) {
    const std::tuple<std::string, std::size_t, std::string> cases[] = {
        {HEAD + "0 %010\n5 %020\nend 9\n", 2, ""},
        {HEAD + "0 %010\n5 %02", 1, "line 4: cut short"},
        {HEAD + "0 %010\n5 %020\n", 2, "the end of the file: no end line"},
        {HEAD + "0 %010\nx %020\nend 9\n", 1, "line 4: not a record"},
        {HEAD + "0 %010\n5\nend 9\n", 1, "line 4: not a record"},
        {HEAD + "8 %010\n5 %020\nend 9\n", 1, "line 4: the time goes back"},
        {HEAD + "0 %010\nend 3x\n", 1, "line 4: not an end time"},
        {"VECTRIN SESSION 1\nstart noon\n0 %010\n", 0, "line 2: no start time"},
        {"$GPRMC,1\n%010\n", 0, "line 1: not a session file"},
        {"", 0, "line 1: not a session file"},
    };
    for (const auto& [text, records, damage] : cases) {
        const Session s = readSession(text);
        EXPECT_EQ(std::pair(s.records.size(), s.damage), std::pair(records, damage)) << text;
    }
}

class FakeSessionClock : public SessionClock {
public:
    std::int64_t steadyMilliseconds() const override { return ms; }
    std::string localDateTime() const override { return stamp; }
    std::int64_t ms = 1000;
    std::string stamp = "2026-12-06 13:50:39.250";
};

TEST(SessionRecorder, OneFilePerOpeningThatReadsAnythingWithTheTimesSinceTheOpening) {
    TempHome folder;
    std::ostringstream notes;
    FakeSerialPort port;
    FakeSessionClock clock;
    std::string all;
    {
        SessionWriter writer(folder.home, 1 << 20, notes);
        SessionRecorder recorder(port, clock, writer);
        recorder.open(); // a trial open that reads nothing leaves no file
        recorder.close();
        clock.ms = 5000;
        recorder.open();
        clock.ms = 5250;
        port.pending = "%010\r\n";
        EXPECT_EQ(recorder.readAll(), "%010\r\n");
        clock.ms = 5300;
        EXPECT_EQ(recorder.readAll(), "");
        clock.ms = 6000;
        recorder.close();
        clock.stamp = "2026-12-06 13:50:39.900"; // the same second: a second name
        recorder.open();
        for (int b = 0; b < 256; ++b) // every byte value reads back as it was recorded
            all += static_cast<char>(b);
        port.pending = all;
        recorder.readAll();
    }
    EXPECT_EQ(fileText(folder.home / "2026-12-06_13-50-39.vsession"),
              HEAD + "250 %010\\x0D\\x0A\nend 1000\n");
    const Session second = readSession(fileText(folder.home / "2026-12-06_13-50-39-2.vsession"));
    EXPECT_DOUBLE_EQ(second.startSecondsSinceMidnight, 13 * 3600 + 50 * 60 + 39.9);
    ASSERT_EQ(second.records.size(), 1u);
    EXPECT_EQ(second.records[0].bytes, all);
    EXPECT_EQ(notes.str(), "");
}

// The oldest files go first when the sessions outgrow their limit; a file
// alone beyond it, or a full disk, stops the recording with one note.
TEST(SessionWriter, StopsOnlyWhenOneFileOutgrowsTheLimitOrTheDiskIsFull) {
    TempHome folder;
    std::ostringstream notes;
    SessionWriter writer(folder.home, 100, notes);
    for (const char* name : {"2026-01-02_10-00-00.vsession", "2026-01-01_10-00-00.vsession",
                             "2026-01-03_10-00-00.vsession"}) {
        writer.startFile(name, std::string(30, 'x'));
        writer.finishFile("\n");
    }
    writer.startFile("2026-01-04_10-00-00.vsession", std::string(30, 'y'));
    writer.flush();
    EXPECT_FALSE(fs::exists(folder.home / "2026-01-01_10-00-00.vsession"));
    EXPECT_TRUE(fs::exists(folder.home / "2026-01-02_10-00-00.vsession"));
    writer.write(std::string(20, 'y'));
    writer.flush();
    EXPECT_FALSE(fs::exists(folder.home / "2026-01-02_10-00-00.vsession"));
    writer.write(std::string(60, 'y')); // alone beyond the limit
    writer.write("z");
    writer.flush();
    EXPECT_TRUE(fs::exists(folder.home / "2026-01-03_10-00-00.vsession"));
    EXPECT_EQ(fileText(folder.home / "2026-01-04_10-00-00.vsession"), std::string(50, 'y'));
    EXPECT_NE(notes.str().find("size limit"), std::string::npos) << notes.str();

    notes.str("");
    SessionWriter full(folder.home, 1 << 20, notes,
                       [](const fs::path&) { return std::fopen("/dev/full", "w"); });
    full.startFile("full.vsession", "VECTRIN SESSION 1\n");
    full.write("0 %010\n");
    full.finishFile("end 0\n");
    full.flush();
    EXPECT_EQ(notes.str(),
              "vectrin: session recording stopped: " + (folder.home / "full.vsession").string() +
                  ": No space left on device\n");
}

} // namespace
