// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/BackgroundFile.h"

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

struct TemporaryFolder {
    fs::path path = fs::temp_directory_path() /
                    ("vectrin-" + std::to_string(::getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    TemporaryFolder() { fs::remove_all(path); }
    ~TemporaryFolder() { fs::remove_all(path); }
};

std::vector<std::string> linesOf(std::istream& in) {
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The folder is made, the header written once, later runs append.
TEST(BackgroundFile, AppendsEveryLineInOrderBehindOneHeader) {
    TemporaryFolder folder;
    const fs::path path = folder.path / "data" / "log.csv";
    std::ostringstream notes;
    for (const char* run : {"a", "b"}) {
        BackgroundFile file(path, "header", notes);
        for (int i = 1; i <= 3; ++i)
            file.append(run + std::to_string(i));
    }
    std::ifstream in(path);
    EXPECT_EQ(linesOf(in),
              (std::vector<std::string>{"header", "a1", "a2", "a3", "b1", "b2", "b3"}));
    EXPECT_EQ(notes.str(), "");
}

// A full disk, or a file that cannot be made: a note, and no more is tried.
TEST(BackgroundFile, GivesUpWithANoteWhenTheDiskIsFullOrTheFileCannotBeMade) {
    TemporaryFolder folder;
    fs::create_directories(folder.path);
    std::ofstream(folder.path / "plain");
    const std::pair<fs::path, std::string> cases[] = {
        {"/dev/full", "/dev/full: No space left on device; logging stopped\n"},
        {folder.path / "plain" / "log.csv",
         (folder.path / "plain" / "log.csv").string() + ": Not a directory; nothing is logged\n"}};
    for (const auto& [path, note] : cases) {
        std::ostringstream notes;
        {
            BackgroundFile file(path, "header", notes);
            for (int i = 0; i < 100000; ++i)
                file.append(std::string(100, 'x'));
        }
        EXPECT_EQ(notes.str(), "vectrin: " + note);
    }
}

// A disk that stalls (here a pipe nobody reads yet) never holds up append:
// what does not fit in the wait is left out and counted.
TEST(BackgroundFile, AStalledDiskNeverHoldsUpAppend) {
    TemporaryFolder folder;
    fs::create_directories(folder.path);
    const fs::path pipe = folder.path / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::ostringstream notes;
    auto file = std::make_unique<BackgroundFile>(pipe, "header", notes, 5);
    for (int i = 1; i <= 8; ++i)
        file->append(std::to_string(i));
    std::vector<std::string> read;
    std::thread reader([&] {
        std::ifstream in(pipe);
        read = linesOf(in);
    });
    file.reset();
    reader.join();
    EXPECT_EQ(read, (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(notes.str(),
              "vectrin: " + pipe.string() + ": 3 lines left out while the disk did not keep up\n");
}

} // namespace
