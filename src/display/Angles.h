// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Degrees become radians through this factor on every path to sine and cosine
// (not the full-precision pi/180): the drawings line up with each other only
// when they all use it.
inline constexpr double RADIANS_PER_DEGREE = 0.017453;
