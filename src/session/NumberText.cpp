// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/NumberText.h"

#include <array>
#include <charconv>

namespace {
constexpr int DEGREE_DECIMALS = 6;
}

std::string shortestText(float value) {
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return std::string(buffer.data(), end);
}

std::string degreesText(double value) {
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, DEGREE_DECIMALS)
                         .ptr;
    return std::string(buffer.data(), end);
}
