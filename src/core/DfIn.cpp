// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/DfIn.h"

#include "core/BearingIntake.h"
#include "core/Numbers.h"
#include "core/form_VECTRIN.h"
#include "display/Angles.h"

namespace {

// One wrap step brings totals of -359..720 into 1..360; anything further out
// can only come from a corrupted message.
bool wrapsIntoTable(double total) {
    return total >= -359 && total <= 720;
}

// A DF message after a COM TIMEOUT warning ends the warning at once and
// restarts the serial-data watch.
void endComTimeout(form_VECTRIN& f) {
    if (!f.Label_COM_TIMEOUT.visible) return;
    f.Label_COM_TIMEOUT.visible = false;
    f.COM_TIMEOUT_TIMER = true;
    f.LAST_COM_TIME = f.now();
    f.Frame_TOP_LEFT.visible = true;
}

Single markerAngle(const form_VECTRIN& f, Single v) {
    const Single screenDegrees = f.varOn() ? 90 - v - f.HEADING_CORRECTION : 90 - v;
    return static_cast<Single>(screenDegrees * RADIANS_PER_DEGREE);
}

} // namespace

void DF_IN(form_VECTRIN& f) {
    const Single v = leadingSingle(f.DF_MESSAGE);
    const Single total = f.HEADING + v;
    const double rounded = roundHalfEven(total);
    // A message whose bearing cannot be brought into the table is dropped whole,
    // before the COM TIMEOUT warning, the tables, the marker, the labels or the
    // count are touched.
    if (!wrapsIntoTable(rounded)) return;
    f.TRUE_DF_BEARING = static_cast<Integer>(sectorWrap(static_cast<int>(rounded)));
    endComTimeout(f);
    takeInBearing(f, f.TRUE_DF_BEARING, markerAngle(f, v), v);
    f.bearingListener->bearingTakenIn(
        {f.clockNow(), v, f.TRUE_DF_BEARING, f.HEADING, f.settings.headingSource});
}
