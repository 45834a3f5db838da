// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/OptionsCommands.h"

#include "core/Executive.h"
#include "core/Numbers.h"
#include "core/form_VECTRIN.h"
#include "display/Azimuth.h"
#include "settings/Form_OPTIONS.h"
#include "settings/PresetCommands.h"

#include <array>
#include <cstdlib>
#include <string_view>

namespace {

struct IntervalStep {
    std::string_view tagBefore;
    std::string_view tagAfter;
    std::string_view captionAfter;
};

constexpr std::array<IntervalStep, 6> INTERVAL_CYCLE{{{"5", "10", "@ 10 SEC"},
                                                      {"10", "15", "@ 15 SEC"},
                                                      {"15", "20", "@ 20 SEC"},
                                                      {"20", "25", "@ 25 SEC"},
                                                      {"25", "30", "@ 30 SEC"},
                                                      {"30", "5", "@  5 SEC"}}};

struct FractionStep {
    std::string_view tagBefore;
    std::string_view tagAfter;
    std::string_view captionAfter;
    std::string_view ratePrefix;
};

constexpr std::array<FractionStep, 10> FRACTION_CYCLE{{{"0.95", "0.9", "FRAC 0.90", "0.90 "},
                                                       {"0.9", "0.85", "FRAC 0.85", "0.85 "},
                                                       {"0.85", "0.8", "FRAC 0.80", "0.80 "},
                                                       {"0.8", "0.75", "FRAC 0.75", "0.75 "},
                                                       {"0.75", "0.7", "FRAC 0.70", "0.70 "},
                                                       {"0.7", "0.65", "FRAC 0.65", "0.65 "},
                                                       {"0.65", "0.6", "FRAC 0.60", "0.60 "},
                                                       {"0.6", "0.55", "FRAC 0.55", "0.55 "},
                                                       {"0.55", "0.5", "FRAC 0.50", "0.50 "},
                                                       {"0.5", "0.95", "FRAC 0.95", "0.95 "}}};

constexpr std::size_t RATE_PREFIX_LENGTH = 5;
constexpr std::size_t HDG_LABEL_TAIL = 7;
constexpr int WEST_LIMIT = 180;
constexpr int EAST_LIMIT = -179;

template <typename Cycle>
const typename Cycle::value_type* stepFrom(const Cycle& cycle, std::string_view tag) {
    for (const auto& step : cycle)
        if (step.tagBefore == tag) return &step;
    return nullptr;
}

// Shows a new variation in the dialog and on the main window and draws the
// azimuth scale with it at once.
void showVariation(Form_OPTIONS& o, int value) {
    o.settings.HEADING_CORRECTION = static_cast<Integer>(value);
    o.X_STRING = zeroPadded(std::abs(value), 3) + (value >= 0 ? " WEST" : " EAST");
    o.Label_HEADING_CORRECTION.caption = o.X_STRING;
    form_VECTRIN& f = o.main;
    f.HEADING_CORRECTION = o.settings.HEADING_CORRECTION;
    f.requestScaleRedraw();
    AZIMUTH(f);
}

} // namespace

void CmdButton_TIME_Click(Form_OPTIONS& o) {
    const IntervalStep* step = stepFrom(INTERVAL_CYCLE, o.settings.decayIntervalTag);
    if (!step) return;
    o.settings.decayIntervalTag = step->tagAfter;
    o.CmdButton_TIME.caption = step->captionAfter;
    Control& rate = o.main.Label_DECAY_RATE;
    rate.caption = rate.caption.substr(0, RATE_PREFIX_LENGTH) + o.CmdButton_TIME.caption;
}

void CmdButton_FRAC_Click(Form_OPTIONS& o) {
    const FractionStep* step = stepFrom(FRACTION_CYCLE, o.settings.decayFractionTag);
    if (!step) return;
    o.settings.decayFractionTag = step->tagAfter;
    o.CmdButton_FRAC.caption = step->captionAfter;
    o.main.Label_DECAY_RATE.caption = std::string(step->ratePrefix) + o.CmdButton_TIME.caption;
}

void CmdButton_HEADING_Click(Form_OPTIONS& o) {
    form_VECTRIN& f = o.main;
    const bool toGps = o.settings.headingSource != "GPS";
    o.settings.headingSource = toGps ? "GPS" : "MANUAL";
    f.GPS_TIMER = toGps;
    if (toGps) f.GPS_TIME = f.now();
    f.Frame_GPS_FAIL.visible = false;
    f.Frame_GPS_SPEED.visible = false;
    f.CmdButton_HDG_CCW.visible = !toGps;
    f.CmdButton_HDG_CW.visible = !toGps;
    f.Label_HDG.caption =
        (toGps ? "GPS " : "MAN ") + lastChars(f.Label_HDG.caption, HDG_LABEL_TAIL);
}

void CmdButton_ERROR_UP_Click(Form_OPTIONS& o) {
    int value = o.settings.HEADING_CORRECTION + 1;
    if (value > WEST_LIMIT) value = EAST_LIMIT;
    showVariation(o, value);
}

void CmdButton_ERROR_DN_Click(Form_OPTIONS& o) {
    int value = o.settings.HEADING_CORRECTION - 1;
    if (value < EAST_LIMIT) value = WEST_LIMIT;
    showVariation(o, value);
}

void cmdbutton_EXIT_Click(Form_OPTIONS& o) {
    endPresetSelection(o);
    o.visible = false;
    o.chooser.visible = false;
    form_VECTRIN& f = o.main;
    f.requestScaleRedraw();
    EXECUTIVE(f);
}

void CmdButton_OPTIONS_Click(Form_OPTIONS& o) {
    o.visible = true;
    ++o.showRequests;
    EXECUTIVE(o.main);
}
