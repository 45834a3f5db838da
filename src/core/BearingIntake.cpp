// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BearingIntake.h"

#include "core/Numbers.h"
#include "core/SectorCells.h"
#include "core/form_VECTRIN.h"

#include <cmath>
#include <limits>

namespace {

constexpr Single MARKER_RADIUS = 75;
constexpr Single MARKER_OUTSIDE_RING = 250;

void addToTables(form_VECTRIN& f, int b) {
    f.BRG_HIST[b] = f.BRG_HIST[b] + 1;
    forEachSectorCell(b, f.SECTOR_WIDTH, [&f](int d) {
        f.BRG_SUM[d] = f.BRG_SUM[d] + 1;
        if (f.BRG_SUM[d] > f.MAXVECTOR) f.MAXVECTOR = f.BRG_SUM[d];
    });
}

// The marker of the previous intake is overdrawn in the background colour, then
// drawn afresh on the line of the new bearing's vector.
void moveMarker(form_VECTRIN& f, Single angle) {
    f.surface.pen.foreColour = f.settings.colour(ColourSlot::DisplayBackground);
    f.surface.circle(f.DFBUGX, f.DFBUGY, MARKER_RADIUS);
    f.DFBUGBRG = angle;
    const double reach = f.AZRADIUS + MARKER_OUTSIDE_RING;
    f.DFBUGX = static_cast<Single>(f.CENTERX + reach * std::cos(f.DFBUGBRG));
    f.DFBUGY = static_cast<Single>(f.CENTERY - reach * std::sin(f.DFBUGBRG));
    f.surface.pen.foreColour = f.settings.colour(ColourSlot::Cursor);
    f.surface.circle(f.DFBUGX, f.DFBUGY, MARKER_RADIUS);
}

// The count never wraps: past the largest Long it stays there.
void countBearing(form_VECTRIN& f) {
    if (f.INCOUNT < std::numeric_limits<std::int32_t>::max()) ++f.INCOUNT;
}

} // namespace

std::string lastBearingText(Single labelValue) {
    const std::string t = signedSingleText(labelValue);
    if (labelValue < 10) return "LAST BRG : 00" + lastChars(t, 1);
    if (labelValue < 100) return "LAST BRG : 0" + lastChars(t, 2);
    return "LAST BRG : " + lastChars(t, 3);
}

std::string totalBearingText(std::int32_t count) {
    const std::string t = signedNumberText(count);
    if (count < 10) return "TOTAL BRG : 000" + lastChars(t, 1);
    if (count < 100) return "TOTAL BRG : 00" + lastChars(t, 2);
    if (count < 1000) return "TOTAL BRG : 0" + lastChars(t, 3);
    return "TOTAL BRG : " + t;
}

void takeInBearing(form_VECTRIN& f, int tableBearing, Single markerAngle, Single labelValue) {
    addToTables(f, tableBearing);
    moveMarker(f, markerAngle);
    f.Label_LAST_BRG.caption = lastBearingText(labelValue);
    countBearing(f);
    f.Label_TOTAL_BRG.caption = totalBearingText(f.INCOUNT);
}
