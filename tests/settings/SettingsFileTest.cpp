// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsFile.h"
#include "settings/KeptCopies.h"

#include "ProgramRig.h"

#include <csignal>
#include <sstream>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

// The file system stops the file growing past 100 bytes part way through the write.
TEST(SettingsFile, AWriteThatFailsPartWayLeavesTheOldFileWholeAndNoTemporaryBehind) {
    TempHome home;
    std::ostringstream messages;
    const SettingsFile file(home.folder, messages);
    ASSERT_TRUE(file.write("old\r\n"));
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of ending the test
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit small{100, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = file.write(std::string(4096, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(written);
    EXPECT_EQ(fileText(home.file), "old\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(home.folder), {}), 1);
}

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
        TempHome home;
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

} // namespace
