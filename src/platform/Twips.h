// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cmath>

// Twips (1/1440 inch) to the nearest whole pixel. Every position and size on
// the window goes through this one rounding, so what is drawn at a position
// and what is drawn over it later meet on the same pixels. Values beyond
// 2^24 pixels either way are taken as 2^24.
inline int twipsToPixels(double twips, double twipsPerPixel) {
    constexpr double LIMIT = 1 << 24;
    return static_cast<int>(std::floor(std::clamp(twips / twipsPerPixel, -LIMIT, LIMIT) + 0.5));
}

inline double twipsPerPixelAt(double dpi) {
    return 1440.0 / dpi;
}
