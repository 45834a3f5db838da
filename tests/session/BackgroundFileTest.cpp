// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/BackgroundFile.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct BackgroundFileTest : ::testing::Test {
    TempHome home;
    std::ostringstream notes;
};

std::vector<std::string> linesOf(const fs::path& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The folder is made, the header written once, a later run appends.
TEST_F(BackgroundFileTest, AppendsEveryLineInOrderBehindOneHeader) {
    const fs::path path = home.home / "data" / "log.csv";
    for (const std::string run : {"a", "b"}) {
        BackgroundFile file(path, "header", notes);
        file.append(run + "1");
        file.append(run + "2");
    }
    EXPECT_EQ(linesOf(path), (std::vector<std::string>{"header", "a1", "a2", "b1", "b2"}));
    EXPECT_EQ(notes.str(), "");
}

// A full disk, or a file that cannot be made: one note, and no more is tried.
TEST_F(BackgroundFileTest, GivesUpWithANoteWhenTheDiskIsFullOrTheFileCannotBeMade) {
    std::ofstream(home.home / "plain");
    for (const fs::path& path : {fs::path("/dev/full"), home.home / "plain" / "log.csv"}) {
        notes.str("");
        {
            BackgroundFile file(path, "header", notes);
            for (int i = 0; i < 100000; ++i)
                file.append(std::string(100, 'x'));
        }
        const std::string reason = path == "/dev/full" ? "No space left on device; logging stopped"
                                                       : "Not a directory; nothing is logged";
        EXPECT_EQ(notes.str(), "vectrin: " + path.string() + ": " + reason + "\n");
    }
}

// A disk that stalls (a pipe nobody reads yet) never holds up append: the
// thread is stuck with its first lines, at most 5 more wait, the rest are
// left out and counted.
TEST_F(BackgroundFileTest, AStalledDiskNeverHoldsUpAppend) {
    const fs::path pipe = home.home / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    auto file = std::make_unique<BackgroundFile>(pipe, "header", notes, 5);
    for (int i = 1; i <= 1000; ++i)
        file->append(std::to_string(i));
    std::vector<std::string> read;
    std::thread reader([&] { read = linesOf(pipe); });
    file.reset();
    reader.join();
    ASSERT_TRUE(read.size() >= 5 && read.size() <= 10) << read.size();
    EXPECT_EQ(read.back(), std::to_string(read.size()));
    std::size_t leftOut = 0;
    const std::string text = notes.str(), noted = pipe.string() + ": ";
    for (std::size_t at = text.find(noted); at != std::string::npos; at = text.find(noted, at + 1))
        leftOut += std::stoul(text.substr(at + noted.size()));
    EXPECT_EQ(leftOut, 1000 - read.size()) << notes.str();
}

} // namespace
