// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/OperatingSettings.h"
#include "core/Types.h"
#include "settings/ColourPresets.h"

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

// The settings file holds exactly 46 items, one a line, each line ended by CR LF:
// 40 colours (all eight slots of preset 1, then of preset 2, ...), the port
// number, the baud rate, the ACQUIRE and TEST captions, the heading source and
// the variation minus one. Numbers are plain decimal, texts in double quotes.
inline constexpr std::size_t SETTINGS_ITEMS = 46;

// The settings cannot be read: the file is missing or ends early, or a number
// does not fit its item.
class SettingsFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the items of a settings text in order. Items are separated by commas
// or line ends (CR LF, LF or CR); a quoted item loses its quotation marks; an
// item that is not a number reads as the number 0.
class SettingsReader {
public:
    explicit SettingsReader(std::string_view text) : text_(text) {}

    // The next item as text; throws SettingsFileError when there is none.
    std::string item();
    // The next item as a number rounded half to even, which must fit 16 bits.
    Integer integer();
    // The next item as a number rounded half to even, which must fit 32 bits.
    Long longInteger();

private:
    void skipDelimiter();
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The 46 items as they are written.
struct SettingsRecord {
    std::array<std::array<Long, COLOUR_SLOTS>, PRESETS> colours{};
    Long port = 0;
    Long baudRate = 0;
    std::string acquireCaption;
    std::string testCaption;
    std::string headingSource;
    Long variationMinusOne = 0;
    bool operator==(const SettingsRecord&) const = default;
};

// The items of a new settings file: the default colours in every preset,
// port 1, 4800 baud, acquisition and test mode on, manual heading, variation 0.
SettingsRecord defaultSettings();

// The text of a settings file with the record's 46 items.
std::string settingsText(const SettingsRecord& record);
