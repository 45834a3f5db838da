// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SatelliteSentences.h"

#include <algorithm>
#include <array>

namespace {
constexpr std::array<std::string_view, 8> TALKERS = {"GP", "GN", "GL", "GA",
                                                     "GB", "BD", "GQ", "GI"};
constexpr std::size_t TALKER_LENGTH = 2;
} // namespace

bool isSatelliteTalker(std::string_view talker) {
    return std::find(TALKERS.begin(), TALKERS.end(), talker) != TALKERS.end();
}

std::size_t findSatelliteSentence(std::string_view text, std::string_view type) {
    const std::size_t length = 1 + TALKER_LENGTH + type.size();
    for (std::size_t p = text.find('$'); p != std::string_view::npos; p = text.find('$', p + 1)) {
        if (text.size() - p < length) break;
        if (isSatelliteTalker(text.substr(p + 1, TALKER_LENGTH)) &&
            text.substr(p + 1 + TALKER_LENGTH, type.size()) == type)
            return p;
    }
    return std::string_view::npos;
}
