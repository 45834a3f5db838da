// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdlib.h>
#include <string>
#include <system_error>

// The bytes of a file; empty when there is no plain file at the path.
inline std::string fileText(const std::filesystem::path& path) {
    if (!std::filesystem::is_regular_file(path)) return {};
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A temporary home of its own, removed afterwards, whose settings folder does
// not exist until something makes it.
struct TempHome {
    ~TempHome() {
        std::error_code ignored;
        std::filesystem::remove_all(home, ignored);
    }
    char homeTemplate[32] = "/tmp/vectrin-test-XXXXXX";
    std::filesystem::path home = mkdtemp(homeTemplate);
    std::filesystem::path folder = home / "Vectrin";
    std::filesystem::path file = folder / "Vectrin.ini";
};
