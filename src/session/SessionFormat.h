// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A recorded session: plain text, one line per read of the serial port.
//
//   VECTRIN SESSION 1
//   start 2026-12-06 13:50:39.123
//   0 $GPRMC,135039,A,...\r\n
//   180 %045
//   30250 \x00%123
//   end 31000
//
// The second line is the local date and time when the port opened. Each record
// is the milliseconds since then, one blank, and the bytes of one read:
// printable ASCII as it is, a backslash as \\ and every other byte as \xHH.
// The last line marks when the port closed. Every line ends with a line feed.

// One read of the serial port.
struct SessionRecord {
    std::int64_t milliseconds = 0;
    std::string bytes;
};

// A session file as far as it could be read.
struct Session {
    double startSecondsSinceMidnight = 0;
    std::vector<SessionRecord> records;
    std::int64_t endMilliseconds = 0; // the end line, else the last record
    // Empty when the file was whole; else where and why the reading stopped,
    // "line 57: not a record".
    std::string damage;
};

std::string sessionHeader(const std::string& localDateTime);
std::string sessionRecordLine(std::int64_t milliseconds, std::string_view bytes);
std::string sessionEndLine(std::int64_t milliseconds);

// Reads a session up to its end line, or up to the first line that is not
// what it should be (then `damage` says which line and why).
Session readSession(std::string_view text);
