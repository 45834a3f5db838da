// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/SessionFormat.h"

#include <charconv>
#include <cstdio>
#include <optional>

namespace {

constexpr std::string_view MAGIC = "VECTRIN SESSION 1";
constexpr std::string_view START = "start ";
constexpr std::string_view END = "end ";
constexpr char HEX[] = "0123456789ABCDEF";

std::optional<std::int64_t> wholeNumber(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) return {};
    return value;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::optional<std::string> unescape(std::string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            bytes += text[i];
        } else if (text.substr(i + 1, 1) == "\\") {
            bytes += '\\';
            ++i;
        } else if (text.size() >= i + 4 && text[i + 1] == 'x' && hexDigit(text[i + 2]) >= 0 &&
                   hexDigit(text[i + 3]) >= 0) {
            bytes += static_cast<char>(hexDigit(text[i + 2]) * 16 + hexDigit(text[i + 3]));
            i += 3;
        } else {
            return {};
        }
    }
    return bytes;
}

// "2026-12-06 13:50:39.123": the seconds since midnight of the time part.
std::optional<double> timeOfDay(std::string_view dateTime) {
    int hours = 0, minutes = 0;
    double seconds = 0;
    const std::string text(dateTime);
    char tail = 0;
    if (std::sscanf(text.c_str(), "%*d-%*d-%*d %d:%d:%lf%c", &hours, &minutes, &seconds, &tail) !=
            3 ||
        hours < 0 || hours > 23 || minutes < 0 || minutes > 59 || seconds < 0 || seconds >= 60)
        return {};
    return hours * 3600.0 + minutes * 60.0 + seconds;
}

std::string lineDamage(std::size_t number, const char* why) {
    return "line " + std::to_string(number) + ": " + why;
}

} // namespace

std::string sessionHeader(const std::string& localDateTime) {
    return std::string(MAGIC) + "\n" + std::string(START) + localDateTime + "\n";
}

std::string sessionRecordLine(std::int64_t milliseconds, std::string_view bytes) {
    std::string line = std::to_string(milliseconds) + ' ';
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\\') {
            line += "\\\\";
        } else if (u >= 0x20 && u < 0x7F) {
            line += c;
        } else {
            line += "\\x";
            line += HEX[u >> 4];
            line += HEX[u & 0xF];
        }
    }
    line += '\n';
    return line;
}

std::string sessionEndLine(std::int64_t milliseconds) {
    return std::string(END) + std::to_string(milliseconds) + "\n";
}

Session readSession(std::string_view text) {
    Session session;
    std::size_t number = 0;
    auto nextLine = [&]() -> std::optional<std::string_view> {
        const std::size_t feed = text.find('\n');
        if (feed == std::string_view::npos) return {};
        const std::string_view line = text.substr(0, feed);
        text.remove_prefix(feed + 1);
        ++number;
        return line;
    };
    const auto magic = nextLine();
    const auto start = nextLine();
    if (!magic || *magic != MAGIC || !start || start->substr(0, START.size()) != START) {
        session.damage = lineDamage(magic && *magic == MAGIC ? 2 : 1, "not a session file");
        return session;
    }
    if (const auto seconds = timeOfDay(start->substr(START.size())))
        session.startSecondsSinceMidnight = *seconds;
    else
        session.damage = lineDamage(number, "no start time");
    while (session.damage.empty()) {
        const auto line = nextLine();
        if (!line) {
            session.damage = text.empty() ? "the end of the file: no end line"
                                          : lineDamage(number + 1, "cut short");
            break;
        }
        if (line->substr(0, END.size()) == END) {
            const auto end = wholeNumber(line->substr(END.size()));
            if (end && *end >= session.endMilliseconds) {
                session.endMilliseconds = *end;
                return session;
            }
            session.damage = lineDamage(number, "not an end time");
            break;
        }
        const std::size_t blank = line->find(' ');
        const auto when = wholeNumber(line->substr(0, blank));
        const auto bytes =
            blank == std::string_view::npos ? std::nullopt : unescape(line->substr(blank + 1));
        if (!when || !bytes) {
            session.damage = lineDamage(number, "not a record");
        } else if (*when < session.endMilliseconds) {
            session.damage = lineDamage(number, "the time goes back");
        } else {
            session.records.push_back({*when, *bytes});
            session.endMilliseconds = *when;
        }
    }
    return session;
}
