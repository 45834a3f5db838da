// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/RmcPosition.h"

#include "core/SatelliteSentences.h"
#include "session/Fields.h"

#include <charconv>
#include <vector>

namespace {

// Fields of an RMC sentence, counted from the identifier.
constexpr std::size_t TIME = 1, STATUS = 2, LATITUDE = 3, NORTH_SOUTH = 4, LONGITUDE = 5,
                      EAST_WEST = 6, DATE = 9;

bool checksumMatches(std::string_view sentence) {
    if (sentence.size() < 4 || sentence[sentence.size() - 3] != '*') return false;
    const std::size_t star = sentence.size() - 3;
    unsigned sum = 0;
    for (const char c : sentence.substr(1, star - 1))
        sum ^= static_cast<unsigned char>(c);
    unsigned given = 0;
    const char* end = sentence.data() + sentence.size();
    const auto [stop, error] = std::from_chars(sentence.data() + star + 1, end, given, 16);
    return error == std::errc{} && stop == end && given == sum;
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

int number(std::string_view digits) {
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

// Whole digits of a fixed count, then an optional point with at least one digit.
bool wellFormed(std::string_view text, std::size_t wholeDigits) {
    const std::size_t point = text.find('.');
    if (point != std::string_view::npos && !allDigits(text.substr(point + 1))) return false;
    const std::string_view whole = text.substr(0, point);
    return whole.size() == wholeDigits && allDigits(whole);
}

// "ddmm.mmmm" (latitude: 2 degree digits) or "dddmm.mmmm" (longitude: 3)
// and its hemisphere letter, the second of `letters` making it negative.
std::optional<double> angle(std::string_view text, std::size_t degreeDigits, double most,
                            std::string_view hemisphere, std::string_view letters) {
    if (!wellFormed(text, degreeDigits + 2) || hemisphere.size() != 1 ||
        letters.find(hemisphere) == std::string_view::npos)
        return std::nullopt;
    double minutes = 0;
    std::from_chars(text.data() + degreeDigits, text.data() + text.size(), minutes);
    const double degrees = number(text.substr(0, degreeDigits)) + minutes / 60;
    if (minutes >= 60 || degrees > most) return std::nullopt;
    return hemisphere == letters.substr(1) ? -degrees : degrees;
}

// "hhmmss[.ss]" and "ddmmyy" as "yyyy-mm-ddThh:mm:ss[.ss]Z"; two-digit years
// are 1980..2079.
std::optional<std::string> utc(std::string_view time, std::string_view date) {
    if (!wellFormed(time, 6) || date.size() != 6 || !allDigits(date)) return std::nullopt;
    const int hour = number(time.substr(0, 2)), minute = number(time.substr(2, 2)),
              second = number(time.substr(4, 2));
    const int day = number(date.substr(0, 2)), month = number(date.substr(2, 2)),
              year = number(date.substr(4, 2));
    if (hour > 23 || minute > 59 || second > 60 || day < 1 || day > 31 || month < 1 || month > 12)
        return std::nullopt;
    return std::string(year < 80 ? "20" : "19") + std::string(date.substr(4, 2)) + "-" +
           std::string(date.substr(2, 2)) + "-" + std::string(date.substr(0, 2)) + "T" +
           std::string(time.substr(0, 2)) + ":" + std::string(time.substr(2, 2)) + ":" +
           std::string(time.substr(4)) + "Z";
}

} // namespace

std::optional<GpsFix> readRmcPosition(std::string_view sentence) {
    if (!checksumMatches(sentence)) return std::nullopt;
    const std::vector<std::string_view> f = splitFields(sentence.substr(1, sentence.size() - 4));
    if (f.size() <= DATE || f[0].size() != 5 || !isSatelliteTalker(f[0].substr(0, 2)) ||
        f[0].substr(2) != "RMC" || f[STATUS] != "A")
        return std::nullopt;
    const std::optional<double> latitude = angle(f[LATITUDE], 2, 90, f[NORTH_SOUTH], "NS");
    const std::optional<double> longitude = angle(f[LONGITUDE], 3, 180, f[EAST_WEST], "EW");
    std::optional<std::string> when = utc(f[TIME], f[DATE]);
    if (!latitude || !longitude || !when) return std::nullopt;
    return GpsFix{*latitude, *longitude, std::move(*when)};
}
