// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/KeptCopies.h"

#include "ProgramRig.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

using Time = std::chrono::system_clock::time_point;

// Copies made one after the other, file text "1", "2", ..., at the given seconds after a
// fixed moment: the five with the latest time stamps stay, within one second the later.
TEST(KeptCopies, NeverOverwriteAnEarlierCopyAndKeepTheNewestFive) {
    const Time noon =
        std::chrono::sys_days{std::chrono::year{2024} / 6 / 1} + std::chrono::hours{12};
    const std::vector<std::pair<std::vector<int>, std::vector<std::string>>> rows{
        {{0, 0, 5, -86400, 5, 5, 3600}, {"2", "3", "5", "6", "7"}},
        {std::vector<int>(11, 0), {"7", "8", "9", "10", "11"}},
    };
    for (const auto& [seconds, kept] : rows) {
        SettingsHome home;
        fs::create_directories(home.folder);
        std::ofstream(home.folder / "Vectrin.ini.replaced-mine") << "operator's own";
        for (std::size_t i = 0; i < seconds.size(); ++i) {
            std::ofstream(home.file, std::ios::trunc) << i + 1;
            keepCopy(home.file, noon + std::chrono::seconds{seconds[i]});
        }
        std::vector<std::string> left;
        for (const fs::path& copy : keptCopies(home.folder))
            if (copy.filename() != "Vectrin.ini.replaced-mine") left.push_back(fileText(copy));
        std::ranges::sort(left, {}, [](const std::string& t) { return std::stoi(t); });
        EXPECT_EQ(left, kept);
        EXPECT_EQ(fileText(home.folder / "Vectrin.ini.replaced-mine"), "operator's own");
    }
}

// A started program given changes and shut down again; the operator's file
// text in `text`, what the program said in `messages`.
struct OwnFile : ProgramRig {
    explicit OwnFile(const std::string& text) : original(text) {
        fs::create_directories(folder);
        std::ofstream(file, std::ios::binary) << text;
    }
    void startChangeAndQuit() {
        program.start();
        optionsClick("CmdButton_ERROR_UP");
        program.shutDown();
    }
    std::string original;
};

TEST(SettingsFile, AReadOnlyFileIsReadAndNeverWritten) {
    OwnFile run(settingsFile(DEFAULT_ITEMS) + "\r\n");
    fs::permissions(run.file, fs::perms::owner_read);
    run.startChangeAndQuit();
    EXPECT_EQ(fileText(run.file), run.original);
    EXPECT_EQ(run.f.HEADING_CORRECTION, 1) << "the file was applied";
    EXPECT_EQ(run.messages.str(), "vectrin: " + run.file.string() +
                                      " is read-only: its settings are used, and changes made in "
                                      "this run are not saved\n");
}

TEST(SettingsFile, ALinkedFileIsWrittenThroughAndTheLinkStays) {
    OwnFile run("damaged");
    fs::create_directories(run.home / "sites");
    fs::rename(run.file, run.home / "sites" / "a.ini");
    fs::create_symlink("../sites/a.ini", run.file);
    run.startChangeAndQuit();
    EXPECT_TRUE(fs::is_symlink(run.file));
    std::vector<std::string> items = DEFAULT_ITEMS;
    items.back() = "0";
    EXPECT_EQ(fileText(run.home / "sites" / "a.ini"), settingsFile(items));
    ASSERT_EQ(keptCopies(run.folder).size(), 1u) << "the damaged target kept beside the link";
    EXPECT_EQ(fileText(keptCopies(run.folder)[0]), "damaged");
}

// The file system lets no file grow past 1000 bytes: the defaults could be
// written, but no copy of the damaged 4000-byte file can be made.
TEST(SettingsFile, AFileThatCannotBeCopiedIsNotReplacedAndNothingIsSaved) {
    OwnFile run(std::string(4000, '9'));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit small{1000, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    run.startChangeAndQuit();
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(fileText(run.file), run.original);
    EXPECT_TRUE(keptCopies(run.folder).empty()) << "no half copy left behind";
    EXPECT_EQ(run.f.Label_COMM.caption, "COM1 @ 4800 BAUD") << "the defaults are applied";
    EXPECT_NE(run.messages.str().find("no copy of it can be kept ("), std::string::npos)
        << run.messages.str();
}

} // namespace
