// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/LocalDate.h"

#include <ctime>

namespace {
constexpr double HALF_DAY = 43200;
}

std::string localDateAt(double secondsSinceMidnight) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const double nowSeconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
    if (secondsSinceMidnight - nowSeconds > HALF_DAY) {
        --local.tm_mday;
        local.tm_isdst = -1;
        std::mktime(&local);
    }
    char text[16] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}
