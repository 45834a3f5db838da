// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/AccessibleText.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>

namespace {

const std::map<std::string, std::string>& abbreviations() {
    static const std::map<std::string, std::string> words = {
        {"@", "at"},
        {"BRG", "bearing"},
        {"BRGS", "bearings"},
        {"MAN", "manual"},
        {"TRU", "degrees true"},
        {"MAG", "degrees magnetic"},
        {"DEG", "degrees"},
        {"SEC", "seconds"},
        {"MEM", "memory"},
        {"DF", "DF unit"},
        {"TEST", "test mode"},
        {"WEST", "degrees west"},
        {"EAST", "degrees east"},
        {"NOT", "not"},
        {"NO", "no"},
        {"IN", "in"},
        {"USE", "use"},
    };
    return words;
}

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
bool isLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}
bool isCapital(char c) {
    return std::isupper(static_cast<unsigned char>(c)) != 0;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? ""
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "COM2:" is said "COM 2:", "MEM3" "memory 3"; a number loses its leading zeros.
std::string spokenToken(const std::string& token) {
    const auto found = abbreviations().find(token);
    if (found != abbreviations().end()) return found->second;
    const auto digit = std::find_if(token.begin(), token.end(), isDigit);
    if (digit != token.begin() && digit != token.end() &&
        std::all_of(token.begin(), digit, isLetter))
        return spokenToken(std::string(token.begin(), digit)) + " " +
               spokenToken(std::string(digit, token.end()));
    if (std::all_of(token.begin(), token.end(), isDigit)) {
        const auto first = token.find_first_not_of('0');
        return first == std::string::npos ? "0" : token.substr(first);
    }
    const bool word = token.size() > 3 && std::all_of(token.begin(), token.end(), isCapital);
    if (!word) return token;
    std::string lower = token;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    });
    return lower;
}

} // namespace

std::string spokenWords(const std::string& caption) {
    std::istringstream tokens(caption);
    std::string said;
    for (std::string token; tokens >> token;) {
        if (token == ":") continue;
        if (!said.empty()) said += ' ';
        said += spokenToken(token);
    }
    return said;
}

AccessibleTable::AccessibleTable(std::string_view lines) {
    std::istringstream text{std::string(lines)};
    for (std::string line; std::getline(text, line);) {
        std::vector<std::string> fields;
        std::istringstream bars(line);
        for (std::string field; std::getline(bars, field, '|');)
            fields.push_back(trimmed(field));
        fields.resize(std::max<std::size_t>(fields.size(), 5));
        if (!fields[0].empty())
            entries_.push_back({fields[0], fields[1], fields[2], fields[3], fields[4]});
    }
}

AccessibleText AccessibleTable::textOf(const Control& control) const {
    const auto entry = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const Entry& e) { return control.name == e.control; });
    if (entry == entries_.end()) return {trimmed(control.caption), {}};
    AccessibleText text{entry->name, entry->description};
    if (entry->value == "=") {
        text.name = trimmed(control.caption);
    } else if (entry->value == "on/off") {
        text.name += control.caption.find("OFF") == std::string::npos ? " on" : " off";
    } else if (entry->value != "-") {
        const std::string prefix = entry->value == "*" ? "" : entry->value;
        const bool hasPrefix = control.caption.rfind(prefix, 0) == 0;
        const std::string value =
            spokenWords(hasPrefix ? control.caption.substr(prefix.size()) : control.caption);
        if (!value.empty()) text.name += " " + value;
        if (!entry->unit.empty()) text.name += " " + entry->unit;
    }
    return text;
}
