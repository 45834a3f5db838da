// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/BearingListener.h"
#include "core/Clock.h"
#include "core/SerialPort.h"
#include "session/BackgroundFile.h"
#include "session/BearingLog.h"
#include "session/PositionReader.h"
#include "session/PositionTap.h"

#include <filesystem>
#include <ostream>

// The bearing log of one run, appended to `file`: the program talks through
// port(), which reads the receiver's positions off the line, and its main
// window reports its DF bearings to listener().
class BearingLogging {
public:
    BearingLogging(SerialPort& line, const Clock& clock, const std::filesystem::path& file,
                   std::ostream& notes);

    SerialPort& port() { return tap_; }
    BearingListener& listener() { return log_; }

private:
    PositionReader positions_;
    PositionTap tap_;
    BackgroundFile file_;
    BearingLog log_;
};

// The name of the log in the data folder.
inline constexpr const char* BEARING_LOG_NAME = "bearings.csv";
