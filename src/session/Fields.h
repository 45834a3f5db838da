// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

// The comma-separated fields of a line, empty ones included ("a,,b" has three).
std::vector<std::string_view> splitFields(std::string_view line);
