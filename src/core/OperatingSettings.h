// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Types.h"

#include <array>
#include <string>

// The colour slots, in the order shared by the swatches, the presets and the
// settings file.
enum class ColourSlot {
    DisplayBackground,
    ButtonBackground,
    LegendText,
    AzimuthBackground,
    AzimuthScale,
    RangeRings,
    Vectors,
    Cursor
};
inline constexpr std::size_t COLOUR_SLOTS = 8;

// Colours that belong to the platform's look.
struct SystemColours {
    Colour buttonFace = 0xEFEFEF;
    Colour buttonShadow = 0x808080;
};

// The settings that the cycle and the drawing steps read at the moment they
// use them. The options dialog shows and edits them; the settings file carries
// them between runs.
struct OperatingSettings {
    explicit OperatingSettings(const SystemColours& system = {})
        : colours{0x008080, 0x008080, 0x00C0C0, 0x008000,
                  0xE0E0E0, 0x0000C0, system.buttonFace, 0x00FFFF} {}

    std::string decayIntervalTag = "5"; // tag of CmdButton_TIME, seconds
    std::string decayFractionTag = "0.9"; // tag of CmdButton_FRAC
    std::string headingSource = "MANUAL"; // caption of CmdButton_HEADING
    Integer HEADING_CORRECTION = 0;       // the dialog's variation, -179..180
    std::array<Colour, COLOUR_SLOTS> colours; // the eight swatches

    Colour colour(ColourSlot slot) const { return colours[static_cast<std::size_t>(slot)]; }
};
