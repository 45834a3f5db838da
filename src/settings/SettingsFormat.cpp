// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsFormat.h"

#include "core/Captions.h"
#include "core/Numbers.h"
#include "settings/ColourScheme.h"

#include <limits>

namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool isDelimiter(char c) {
    return c == ',' || isLineEnd(c);
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// How much of an item an error message shows.
constexpr std::size_t ITEM_SHOWN = 20;

template <typename Whole> Whole wholeNumber(const std::string& text) {
    const double value = roundHalfEven(leadingNumber(text));
    if (value < std::numeric_limits<Whole>::min() || value > std::numeric_limits<Whole>::max())
        throw SettingsFileError("settings item out of range: " + text.substr(0, ITEM_SHOWN));
    return static_cast<Whole>(value);
}

} // namespace

std::string SettingsReader::item() {
    while (pos_ < text_.size() && isBlank(text_[pos_]))
        ++pos_;
    if (pos_ >= text_.size()) throw SettingsFileError("the settings file ends early");

    std::string value;
    if (text_[pos_] == '"') {
        const std::size_t close = text_.find('"', pos_ + 1);
        const std::size_t end = close == std::string_view::npos ? text_.size() : close;
        value = text_.substr(pos_ + 1, end - pos_ - 1);
        pos_ = end;
        while (pos_ < text_.size() && !isDelimiter(text_[pos_]))
            ++pos_;
    } else {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !isDelimiter(text_[pos_]))
            ++pos_;
        std::size_t end = pos_;
        while (end > start && isBlank(text_[end - 1]))
            --end;
        value = text_.substr(start, end - start);
    }
    skipDelimiter();
    return value;
}

void SettingsReader::skipDelimiter() {
    if (pos_ >= text_.size()) return;
    const char c = text_[pos_++];
    if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
}

Integer SettingsReader::integer() {
    return wholeNumber<Integer>(item());
}

Long SettingsReader::longInteger() {
    return wholeNumber<Long>(item());
}

SettingsRecord defaultSettings() {
    SettingsRecord r;
    for (auto& preset : r.colours)
        for (std::size_t k = 0; k < COLOUR_SLOTS; ++k)
            preset[k] = static_cast<Long>(DEFAULT_COLOURS[k]);
    r.port = 1;
    r.baudRate = 4800;
    r.acquireCaption = ACQUIRE_ON;
    r.testCaption = TEST_ON;
    r.headingSource = "MANUAL";
    r.variationMinusOne = -1;
    return r;
}

std::string settingsText(const SettingsRecord& r) {
    std::string text;
    const auto number = [&text](Long value) { text += std::to_string(value) + "\r\n"; };
    const auto quoted = [&text](const std::string& value) { text += '"' + value + "\"\r\n"; };
    for (const auto& preset : r.colours)
        for (Long colour : preset)
            number(colour);
    number(r.port);
    number(r.baudRate);
    quoted(r.acquireCaption);
    quoted(r.testCaption);
    quoted(r.headingSource);
    number(r.variationMinusOne);
    return text;
}
