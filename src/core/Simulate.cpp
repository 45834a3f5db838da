// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Simulate.h"

#include "core/BearingIntake.h"
#include "core/Numbers.h"
#include "core/form_VECTRIN.h"

#include <cmath>

namespace {

constexpr int TABLE_ENTRIES = 5000;
constexpr double MARKER_DEGREES_TO_RADIANS = 3.1416 / 180;

// One simulated bearing: centre plus or minus 359 * r^FOCUS, the sign chosen by
// the fractional part of that product, brought into 0..359.
Integer simulatedBearing(Single r, Single focus, int centre) {
    double x = 359 * std::pow(static_cast<double>(r), static_cast<double>(focus));
    if (x - std::trunc(x) < 0.5) x = -x;
    int bearing = static_cast<int>(std::trunc(x)) + centre;
    if (bearing > 359) bearing -= 360;
    if (bearing < 0) bearing += 360;
    return static_cast<Integer>(bearing);
}

} // namespace

void SIMULATE(form_VECTRIN& f) {
    const int centre = static_cast<int>(std::trunc(f.random.next() * 359));
    for (int i = 1; i <= TABLE_ENTRIES; ++i)
        f.SIMULATE_BRG[i] = simulatedBearing(f.random.next(), f.FOCUS, centre);
}

// The table is taken as true bearings (no heading is added) but the marker
// shows them as if relative to the heading; the COM TIMEOUT warning belongs to
// the serial line and is left alone. Entry 5000 is never taken.
void simulateFeed(form_VECTRIN& f) {
    f.SIMULATE_COUNT = static_cast<Integer>(f.SIMULATE_COUNT + 1);
    if (f.SIMULATE_COUNT >= TABLE_ENTRIES) f.SIMULATE_COUNT = 1;
    const Integer v = f.SIMULATE_BRG[f.SIMULATE_COUNT];
    const auto markerAngle = static_cast<Single>((90 - v) * MARKER_DEGREES_TO_RADIANS);
    takeInBearing(f, sectorWrap(v), markerAngle, v);
}
