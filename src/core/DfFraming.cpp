// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/DfFraming.h"

#include <algorithm>

namespace {

constexpr std::size_t MESSAGE_LENGTH = 3;
constexpr double SECONDS_PER_DAY = 86400;
// The rest of a message follows its "%" within milliseconds at any line
// speed. A part that has waited longer belongs to a message that was cut off
// (the device went away) and would make a false bearing with whatever text
// comes next.
constexpr double PARTIAL_LIFETIME_SECONDS = 1;

bool hasDigit(std::string_view message) {
    return std::any_of(message.begin(), message.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Seconds from `from` to `to` on a clock that restarts at midnight.
double secondsBetween(double from, double to) {
    const double elapsed = to - from;
    return elapsed < 0 ? elapsed + SECONDS_PER_DAY : elapsed;
}

} // namespace

std::optional<std::string> DfFraming::read(std::string_view text, double clock, bool accepting) {
    if (partial_ && secondsBetween(startedAt_, clock) > PARTIAL_LIFETIME_SECONDS) partial_.reset();
    for (const char c : text) {
        if (c == '%') {
            // A "%" starts a new message, also inside one that lost its end.
            partial_.reset();
            if (accepting) partial_.emplace();
            startedAt_ = clock;
            continue;
        }
        if (!partial_) continue;
        partial_->push_back(c);
        if (partial_->size() < MESSAGE_LENGTH) continue;
        std::string message = std::move(*partial_);
        partial_.reset();
        // Noise on the line (NUL, 0xFF, letters) is no bearing at all.
        if (accepting && hasDigit(message)) return message;
    }
    return std::nullopt;
}
