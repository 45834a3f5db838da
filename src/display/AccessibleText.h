// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/Control.h"

#include <span>
#include <string>

// What a screen reader says for a control: its name, which carries the state
// or value the control shows, and what it is for, in full words.
struct AccessibleText {
    std::string name;
    std::string description;
};

// How a control's name is made.
struct AccessibleEntry {
    const char* control;
    const char* name;
    // Null: the name alone. ACCESSIBLE_ON_OFF: the name, then "on" or "off" as
    // the caption says. ACCESSIBLE_CAPTION: the caption as it stands (a title,
    // the maker's credits). Otherwise the caption, less this text at its start,
    // in words after the name ("LAST BRG : 045" less "LAST BRG :" gives "45"),
    // then the unit.
    const char* valueAfter;
    const char* description;
    const char* unit = nullptr;
};
inline constexpr const char* ACCESSIBLE_ON_OFF = "\x01";
inline constexpr const char* ACCESSIBLE_CAPTION = "\x02";

// A caption in words: numbers without their leading zeros, abbreviations
// written out ("MAN 005 TRU" is "manual 5 degrees true").
std::string spokenWords(const std::string& caption);

// The entry for the control in `table`; a control missing from it is named by
// its caption.
AccessibleText accessibleText(const Control& control, std::span<const AccessibleEntry> table);

// The main window's controls.
AccessibleText mainWindowText(const Control& control);
