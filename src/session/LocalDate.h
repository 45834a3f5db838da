// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Today's local date ("yyyy-mm-dd") for a reading of the local time of day
// taken a moment ago: yesterday's when midnight has passed since.
std::string localDateAt(double secondsSinceMidnight);
