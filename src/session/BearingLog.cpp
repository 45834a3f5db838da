// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/BearingLog.h"

#include "core/Numbers.h"
#include "session/BearingLogFormat.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr long long LAST_MILLISECOND = 86'399'999;

// "hh:mm:ss.sss"
std::string timeOfDay(double clock) {
    const long long ms = std::clamp(std::llround(clock * 1000), 0LL, LAST_MILLISECOND);
    return zeroPadded(ms / 3'600'000, 2) + ":" + zeroPadded(ms / 60'000 % 60, 2) + ":" +
           zeroPadded(ms / 1000 % 60, 2) + "." + zeroPadded(ms % 1000, 3);
}

} // namespace

void BearingLog::bearingTakenIn(const TakenBearing& bearing) {
    out_.append(formatRow({localDate_(bearing.clock), timeOfDay(bearing.clock), bearing.relative,
                           bearing.trueBearing, bearing.heading,
                           bearing.headingSource == "MANUAL" ? "MANUAL" : "GPS",
                           positions_.positionAt(bearing.clock)}));
}
