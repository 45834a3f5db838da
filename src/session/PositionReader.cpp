// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/PositionReader.h"

namespace {
// The longest sentence, "$" to checksum; anything longer lost its end.
constexpr std::size_t LONGEST = 80;
constexpr double FRESH_SECONDS = 10;
constexpr double DAY_SECONDS = 86400;
} // namespace

void PositionReader::feed(std::string_view text, double clock) {
    for (const char c : text) {
        if (c == '$') {
            sentence_.assign(1, c);
            reading_ = true;
            continue;
        }
        if (!reading_) continue;
        if (c == '\r' || c == '\n' || sentence_.size() == LONGEST) {
            reading_ = false;
            continue;
        }
        sentence_ += c;
        // A sentence ends with its checksum, "*" and two digits.
        if (sentence_.size() < 3 || sentence_[sentence_.size() - 3] != '*') continue;
        reading_ = false;
        if (std::optional<GpsFix> fix = readRmcPosition(sentence_)) {
            fix_ = std::move(fix);
            fixClock_ = clock;
        }
    }
}

std::optional<GpsFix> PositionReader::positionAt(double clock) const {
    double age = clock - fixClock_;
    if (age < 0) age += DAY_SECONDS; // midnight passed since the fix
    if (age > FRESH_SECONDS) return std::nullopt;
    return fix_;
}
