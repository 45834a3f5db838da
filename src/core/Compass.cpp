// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Compass.h"

#include "core/Numbers.h"
#include "core/SatelliteSentences.h"
#include "core/form_VECTRIN.h"

#include <array>
#include <cmath>
#include <optional>
#include <string_view>

namespace {

// The two sentences the heading is taken from, from any satellite talker, and
// which fields hold the speed (knots) and the course (degrees true). Nothing
// else of a sentence is read.
struct SentenceKind {
    std::string_view type;
    int speedField;
    int courseField;
};
constexpr SentenceKind VTG{"VTG", 5, 1};
constexpr SentenceKind RMC{"RMC", 7, 8};

// A sentence counts as complete once this many characters stand from its "$"
// on; only the first WINDOW of them are looked at.
constexpr std::size_t COMPLETE = 82;
constexpr std::size_t WINDOW = 80;

constexpr double MAX_COURSE = 359.99;
constexpr double MAX_SPEED = 300;
constexpr double LOW_SPEED = 3;

// Positions (from 1) of the commas 1..9 of the window, 0 for one not found.
// Each comma is searched after the previous one, or from the first character
// again when the previous one was not found.
using Commas = std::array<std::size_t, 10>;
Commas findCommas(std::string_view window) {
    Commas at{};
    for (std::size_t k = 1; k < at.size(); ++k) {
        const std::size_t found = window.find(',', at[k - 1]);
        at[k] = found == std::string_view::npos ? 0 : found + 1;
    }
    return at;
}

// The field that follows comma n, truncated toward zero; nothing when the next
// comma stands fewer than 2 places further on (an empty field, or a comma that
// was not found).
std::optional<double> readField(std::string_view window, const Commas& at, int n) {
    const auto open = static_cast<long>(at[n]);
    const auto close = static_cast<long>(at[n + 1]);
    if (close - open < 2) return std::nullopt;
    return std::trunc(leadingNumber(window.substr(at[n], at[n + 1] - at[n] - 1)));
}

struct Fix {
    double speed;
    double course;
};

// The speed and course of the first sentence of the chosen kind, when it is
// complete and both fields are filled and within their limits. The kind is VTG
// when the buffer holds a VTG sentence of any satellite talker, else RMC; the
// sentence is the first of that kind in the buffer, whichever talker sent it.
std::optional<Fix> readFix(std::string_view buffer) {
    const std::size_t vtg = findSatelliteSentence(buffer, VTG.type);
    const SentenceKind& kind = vtg != std::string_view::npos ? VTG : RMC;
    const std::size_t p =
        vtg != std::string_view::npos ? vtg : findSatelliteSentence(buffer, RMC.type);
    if (p == std::string_view::npos || buffer.size() - p < COMPLETE) return std::nullopt;
    const std::string_view window = buffer.substr(p, WINDOW);
    const Commas commas = findCommas(window);
    const std::optional<double> speed = readField(window, commas, kind.speedField);
    if (!speed) return std::nullopt;
    const std::optional<double> course = readField(window, commas, kind.courseField);
    if (!course) return std::nullopt;
    if (*course > MAX_COURSE || *course < 0 || *speed > MAX_SPEED || *speed < 0)
        return std::nullopt;
    return Fix{*speed, *course};
}

// The heading as shown, with the dialog's variation when the variation display is on.
int displayedHeading(const form_VECTRIN& f) {
    int h = f.HEADING;
    if (!f.varOn()) return h;
    h += f.settings.HEADING_CORRECTION;
    if (h > 359) h -= 360;
    if (h < 0) h += 360;
    return h;
}

void accept(form_VECTRIN& f, const Fix& fix) {
    f.GPS_TIME = f.now();
    f.Frame_GPS_FAIL.visible = false;
    f.GPS_BUFFER.clear();
    if (fix.speed <= LOW_SPEED) {
        f.Frame_GPS_SPEED.visible = true;
    } else {
        f.HEADING = static_cast<Integer>(fix.course);
        f.Frame_GPS_SPEED.visible = false;
    }
    f.HEADING_STRING = zeroPadded(displayedHeading(f), 3);
    f.Label_HDG.caption = "GPS " + f.HEADING_STRING + (f.varOn() ? " MAG" : " TRU");
    f.NEWAZIMUTH = true;
    f.NEWRING = true;
}

} // namespace

void COMPASS(form_VECTRIN& f) {
    if (f.settings.headingSource == "MANUAL") return;
    if (const std::optional<Fix> fix = readFix(f.GPS_BUFFER)) accept(f, *fix);
}
