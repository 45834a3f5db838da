// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/RmcPosition.h"

#include <optional>
#include <string>
#include <string_view>

// Follows the text of the serial line for the receiver's position: every RMC
// sentence that gives one (see readRmcPosition) replaces the last. The DF
// messages and the other sentences between them are passed over.
class PositionReader {
public:
    // Text as it came off the line, at `clock` seconds since local midnight.
    void feed(std::string_view text, double clock);
    // The latest position, when it came no more than 10 seconds before `clock`:
    // an older one no longer says where the vehicle is.
    std::optional<GpsFix> positionAt(double clock) const;

private:
    std::string sentence_; // from its "$", while one is being read
    bool reading_ = false;
    std::optional<GpsFix> fix_;
    double fixClock_ = 0;
};
