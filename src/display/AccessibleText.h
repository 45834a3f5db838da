// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/Control.h"

#include <string>
#include <string_view>
#include <vector>

// What a screen reader says for a control: its name, which carries the state
// or value the control shows, and what it is for, in full words.
struct AccessibleText {
    std::string name;
    std::string description;
};

// A caption in words: numbers without their leading zeros, abbreviations
// written out ("MAN 005 TRU" is "manual 5 degrees true").
std::string spokenWords(const std::string& caption);

// A table of what to say for each control, one control a line, its fields
// between bars: control | name | value | description [| unit]. The value
// says how the name is made: "-" the name alone; "on/off" the name, then on
// or off as the caption says; "=" the caption as it stands (a title, the
// maker's credits); "*" the name, then the caption in words; any other text
// the name, then the caption less that text at its start, in words, then the
// unit ("LAST BRG : 045" less "LAST BRG :" is "45"). A control missing from
// the table is named by its caption.
class AccessibleTable {
public:
    explicit AccessibleTable(std::string_view lines);
    AccessibleText textOf(const Control& control) const;

private:
    struct Entry {
        std::string control, name, value, description, unit;
    };
    std::vector<Entry> entries_;
};

// The main window's controls.
AccessibleText mainWindowText(const Control& control);
