// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Where the receiver was, and when.
struct GpsFix {
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    std::string utc;      // "2015-10-10T09:15:03.000Z"
};

// The position and UTC time of one RMC sentence, "$" to checksum without the
// line end: only from a satellite talker, with status A (a fix), a checksum
// that matches and every field it reads well formed. A sentence that fails
// any of these gives nothing: a map must not show a position the receiver
// did not stand behind, nor one that lost bytes on the line.
std::optional<GpsFix> readRmcPosition(std::string_view sentence);
