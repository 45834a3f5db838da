// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The value types of the display state. Where arithmetic is documented as
// 16-bit or 32-bit float, the code keeps these exact types.
using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;

// A colour laid out 0x00BBGGRR: red in the low byte.
using Colour = std::uint32_t;
