// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/BearingLogging.h"

#include "session/BearingLogFormat.h"
#include "session/LocalDate.h"

BearingLogging::BearingLogging(SerialPort& line, const Clock& clock,
                               const std::filesystem::path& file, std::ostream& notes)
    : tap_(line, positions_, clock), file_(file, std::string(BEARING_LOG_HEADER), notes),
      log_(file_, positions_, localDateAt) {}
