// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Types.h"
#include "session/RmcPosition.h"

#include <optional>
#include <string>
#include <string_view>

// One line of the bearing log (CSV, comma-separated, no quoting):
//   date,time,relative,true,heading,source,utc,latitude,longitude
//   2015-10-10,11:15:03.250,45,224,179,GPS,2015-10-10T09:15:03.000Z,48.217515,8.414495
// date and time are local; relative, true and heading are degrees (true 1..360,
// north 360); source is GPS or MANUAL; utc, latitude and longitude come from
// the receiver's latest fix (degrees, north and east positive) and stand empty
// when there was none.
struct LogRow {
    std::string date;          // "yyyy-mm-dd"
    std::string time;          // "hh:mm:ss.sss"
    Single relative = 0;       // as the DF unit reported it
    int trueBearing = 0;       // 1..360
    int heading = 0;           // 0..360
    std::string source;        // "GPS" or "MANUAL"
    std::optional<GpsFix> fix; // where and when the receiver last was
};

inline constexpr std::string_view BEARING_LOG_HEADER =
    "date,time,relative,true,heading,source,utc,latitude,longitude";

std::string formatRow(const LogRow& row);
// A line as formatRow writes it; nothing for the header or a line that is
// not one (damaged, edited).
std::optional<LogRow> parseRow(std::string_view line);
