// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/OperatingSettings.h"
#include "core/Types.h"

#include <array>

inline constexpr int PRESETS = 5;

// The five stored colour schemes and the number of the preset the dialog last
// acted on; program-wide, reached by both windows. Preset 1 holds the scheme in
// use at the last shut-down; presets 2 to 5 belong to the dialog's A to D.
struct ColourPresets {
    // COLOR_PRESETS(p, k) for preset p in 1..5 and colour slot k in 1..8, as the
    // 32-bit signed values that the settings file carries.
    Long& at(int preset, int slot) {
        return COLOR_PRESETS.at(static_cast<std::size_t>(preset - 1))
            .at(static_cast<std::size_t>(slot - 1));
    }

    std::array<std::array<Long, COLOUR_SLOTS>, PRESETS> COLOR_PRESETS{};
    Integer PRESET_SELECT = 1;
};
