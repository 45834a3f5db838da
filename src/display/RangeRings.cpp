// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/RangeRings.h"

#include "core/Numbers.h"
#include "core/form_VECTRIN.h"
#include "display/Azimuth.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

constexpr Single UNITS_PER_RING = 10;

// The nearest whole number of rings for the peak sum, plus one. A peak beyond
// what a 16-bit count can hold keeps the largest count.
Integer ringCountFor(Single maxVector) {
    const double rings = roundHalfEven(maxVector / UNITS_PER_RING) + 1;
    return static_cast<Integer>(std::min<double>(rings, std::numeric_limits<Integer>::max()));
}

void drawRings(form_VECTRIN& f) {
    DrawingSurface& s = f.surface;
    s.pen.foreColour = f.settings.colour(ColourSlot::RangeRings);
    const Single spacing = f.AZRADIUS / f.RINGCOUNT;
    std::vector<Single> radii;
    for (Single i = 1; i <= f.RINGCOUNT - 1; ++i)
        radii.push_back(i * spacing);
    s.pen.lineWidth = 2;
    s.concentricCircles(f.CENTERX, f.CENTERY, radii);
    s.pen.lineWidth = 1;
}

} // namespace

void RANGE_RINGS(form_VECTRIN& f) {
    if (!f.NEWRING) {
        f.RINGCOUNT = ringCountFor(f.MAXVECTOR);
        if (f.RINGCOUNT == f.OLDRINGCOUNT) return;
        f.NEWVECTOR = true;
        f.OLDRINGCOUNT = f.RINGCOUNT;
    }
    f.NEWAZIMUTH = true;
    AZIMUTH(f);
    drawRings(f);
    f.NEWRING = false;
    // The label's product is held wider than 16 bits so that large counts
    // still read right.
    const std::int32_t atCircle = std::int32_t{f.RINGCOUNT} * 10;
    f.Label_RANGE.caption = "RANGE " + signedNumberText(atCircle) + " BRGS";
}
