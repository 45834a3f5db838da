// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Timers.h"

#include "core/Numbers.h"
#include "core/Simulate.h"
#include "core/form_VECTRIN.h"

#include <cmath>

namespace {

constexpr Single COM_TIMEOUT_SECONDS = 5;
constexpr Single GPS_TIMEOUT_SECONDS = 10;

Single elapsedSince(double clock, Long stored) {
    return static_cast<Single>(clock - stored);
}

std::string totalTimeText(double acqtime) {
    const long long n = static_cast<long long>(std::trunc(acqtime));
    if (n < 1000) return "TOTAL TIME : " + zeroPadded(n, 4);
    return "TOTAL TIME : " + signedNumberText(n);
}

void acquisitionTime(form_VECTRIN& f, double clock) {
    if (!f.DF_TIMER) return;
    const Single elapsed = elapsedSince(clock, f.DF_TIME);
    f.DF_TIME = nowRounded(clock);
    f.ACQTIME += elapsed;
    f.Label_TOTAL_TIME.caption = totalTimeText(f.ACQTIME);
}

void serialDataWatch(form_VECTRIN& f, double clock) {
    if (!f.COM_TIMEOUT_TIMER) return;
    if (elapsedSince(clock, f.LAST_COM_TIME) <= COM_TIMEOUT_SECONDS) {
        if (f.SHOW_HIDE < 2) f.Frame_TOP_LEFT.visible = true;
        f.Label_COM_TIMEOUT.visible = false;
    } else {
        f.Frame_TOP_LEFT.visible = false;
        f.Label_COM_TIMEOUT.visible = true;
    }
}

void decay(form_VECTRIN& f, double clock) {
    if (!f.DECAY_TIMER) return;
    const Single interval = static_cast<Single>(leadingNumber(f.settings.decayIntervalTag));
    if (elapsedSince(clock, f.DECAY_TIME) < interval) return;
    f.DECAY_TIME = nowRounded(clock);
    f.MAXVECTOR = 0;
    const Single fraction = static_cast<Single>(leadingNumber(f.settings.decayFractionTag));
    for (int d = 1; d <= 360; ++d) {
        f.BRG_HIST[d] = fraction * f.BRG_HIST[d];
        f.BRG_SUM[d] = fraction * f.BRG_SUM[d];
        if (f.BRG_SUM[d] > f.MAXVECTOR) f.MAXVECTOR = f.BRG_SUM[d];
    }
    f.NEWAZIMUTH = true;
    f.NEWRING = true;
}

void gpsWatch(form_VECTRIN& f, double clock) {
    if (!f.GPS_TIMER || f.acquisitionOff() || f.testModeOn()) return;
    if (elapsedSince(clock, f.GPS_TIME) > GPS_TIMEOUT_SECONDS) {
        f.Frame_GPS_FAIL.visible = true;
        f.Frame_GPS_SPEED.visible = false;
    }
}

} // namespace

void TIMERS(form_VECTRIN& f) {
    const double clock = f.clockNow();
    acquisitionTime(f, clock);
    if (f.SIMULATE_TIMER) simulateFeed(f);
    serialDataWatch(f, clock);
    decay(f, clock);
    gpsWatch(f, clock);
}
