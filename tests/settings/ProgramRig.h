// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProgramOnFakes.h"
#include "support/TempHome.h"
#include "support/TestRig.h"

#include <filesystem>
#include <numeric>

// The default colours in slot order, and the items of the default settings
// file: the colours in decimal five times, port 1, 4800 baud, acquisition and
// test mode on, the manual heading and the variation 0 stored as -1.
inline constexpr std::array<Colour, 8> DOCUMENTED_DEFAULTS{0x557B78, 0x6F9B98, 0x9BCEDF, 0x009100,
                                                           0xC7C7C7, 0x4080FF, 0xFFFFFF, 0x6FFFFF};
inline const std::vector<std::string> DEFAULT_ITEMS = [] {
    std::vector<std::string> items;
    for (int p = 0; p < 5; ++p)
        for (Colour c : DOCUMENTED_DEFAULTS)
            items.push_back(std::to_string(c));
    items.insert(items.end(), {"1", "4800", "\"A:ACQUIRE    ( ON )\"",
                               "\"T:TEST             ( ON )\"", "\"MANUAL\"", "-1"});
    return items;
}();
// A scheme whose eight colours all differ from each other and from the defaults.
inline constexpr std::array<Colour, 8> SCHEME{0x010101, 0x020202, 0x030303, 0x040404,
                                              0x050505, 0x060606, 0x070707, 0x080808};

// A settings text of the first `count` items, each line ended by CR LF.
inline std::string settingsFile(const std::vector<std::string>& items, std::size_t count = 46) {
    return std::accumulate(
        items.begin(), items.begin() + static_cast<std::ptrdiff_t>(count), std::string(),
        [](const std::string& text, const std::string& item) { return text + item + "\r\n"; });
}

// The copies kept of replaced settings files in a folder, oldest first.
inline std::vector<std::filesystem::path> keptCopies(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> copies;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().starts_with("Vectrin.ini.replaced-"))
            copies.push_back(entry.path());
    std::ranges::sort(copies);
    return copies;
}

// The program on fakes with its settings folder in a temporary home.
struct ProgramRig : TempHome, ProgramOnFakes {
    ProgramRig() : ProgramOnFakes(folder.string()) {}
};

// A started program with the options dialog open and nothing drawn since.
struct DialogOpen : ::testing::Test, ProgramRig {
    void SetUp() override {
        program.start();
        click("CmdButton_OPTIONS");
        surface.ops.clear();
    }
};
