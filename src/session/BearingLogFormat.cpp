// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/BearingLogFormat.h"

#include "session/Fields.h"
#include "session/NumberText.h"

#include <charconv>
#include <system_error>

namespace {

constexpr std::size_t FIELDS = 9;

template <typename Number> std::optional<Number> read(std::string_view field) {
    Number value{};
    const auto [stop, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc{} || stop != field.data() + field.size()) return std::nullopt;
    return value;
}

// Digits where `pattern` has "9", the same character elsewhere.
bool matches(std::string_view field, std::string_view pattern) {
    if (field.size() != pattern.size()) return false;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const bool digit = field[i] >= '0' && field[i] <= '9';
        if (pattern[i] == '9' ? !digit : field[i] != pattern[i]) return false;
    }
    return true;
}

// "yyyy-mm-ddThh:mm:ss" with an optional fraction, and "Z".
bool isUtc(std::string_view field) {
    if (field.size() < 20 || !matches(field.substr(0, 19), "9999-99-99T99:99:99") ||
        field.back() != 'Z')
        return false;
    const std::string_view fraction = field.substr(19, field.size() - 20);
    return fraction.empty() || (fraction.size() > 1 && fraction[0] == '.' &&
                                fraction.find_first_not_of("0123456789", 1) == fraction.npos);
}

std::optional<GpsFix> readFix(std::string_view utc, std::string_view latitude,
                              std::string_view longitude) {
    const std::optional<double> lat = read<double>(latitude), lon = read<double>(longitude);
    if (!isUtc(utc) || !lat || !lon || *lat < -90 || *lat > 90 || *lon < -180 || *lon > 180)
        return std::nullopt;
    return GpsFix{*lat, *lon, std::string(utc)};
}

} // namespace

std::string formatRow(const LogRow& row) {
    std::string line = row.date + "," + row.time + "," + shortestText(row.relative) + "," +
                       std::to_string(row.trueBearing) + "," + std::to_string(row.heading) + "," +
                       row.source + ",";
    if (row.fix)
        line += row.fix->utc + "," + degreesText(row.fix->latitude) + "," +
                degreesText(row.fix->longitude);
    else
        line += ",,";
    return line;
}

std::optional<LogRow> parseRow(std::string_view line) {
    const std::vector<std::string_view> f = splitFields(line);
    if (f.size() != FIELDS) return std::nullopt;
    const std::optional<Single> relative = read<Single>(f[2]);
    const std::optional<int> trueBearing = read<int>(f[3]), heading = read<int>(f[4]);
    if (!matches(f[0], "9999-99-99") || !matches(f[1], "99:99:99.999") || !relative ||
        !trueBearing || *trueBearing < 1 || *trueBearing > 360 || !heading || *heading < 0 ||
        *heading > 360 || (f[5] != "GPS" && f[5] != "MANUAL"))
        return std::nullopt;
    LogRow row{std::string(f[0]), std::string(f[1]), *relative,   *trueBearing,
               *heading,          std::string(f[5]), std::nullopt};
    if (f[6].empty() && f[7].empty() && f[8].empty()) return row;
    row.fix = readFix(f[6], f[7], f[8]);
    if (!row.fix) return std::nullopt;
    return row;
}
