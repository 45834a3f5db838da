// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/KeptCopies.h"

#include "ProgramRig.h"

#include <gtest/gtest.h>

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

} // namespace
