// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/Cursor.h"

#include "core/Numbers.h"
#include "core/form_VECTRIN.h"
#include "display/Angles.h"

#include <cmath>

namespace {

constexpr Single MARKER_RADIUS = 50;
constexpr Single MARKER_BEYOND_SCALE = 250;

// The cursor's angle in radians, counter-clockwise from the right with y up.
double cursorAngle(const form_VECTRIN& f) {
    auto a = static_cast<Integer>(90 - f.CURSOR_BEARING + f.HEADING);
    if (f.varOn()) a = static_cast<Integer>(a - f.HEADING_CORRECTION);
    return a * RADIANS_PER_DEGREE;
}

void erase(form_VECTRIN& f) {
    DrawingSurface& s = f.surface;
    s.pen.foreColour = f.settings.colour(ColourSlot::AzimuthBackground);
    s.line(f.CENTERX, f.CENTERY, f.CURSX, -f.CURSY);
    s.pen.foreColour = f.settings.colour(ColourSlot::DisplayBackground);
    s.circle(f.CIRX, f.CIRY, MARKER_RADIUS);
}

void draw(form_VECTRIN& f) {
    DrawingSurface& s = f.surface;
    s.pen.foreColour = f.settings.colour(ColourSlot::Cursor);
    s.pen.lineStyle = LineStyle::Dotted;
    s.line(f.CENTERX, f.CENTERY, f.CURSX, -f.CURSY);
    s.pen.lineStyle = LineStyle::Solid;
    s.circle(f.CIRX, f.CIRY, MARKER_RADIUS);
}

} // namespace

void placeCursorLine(form_VECTRIN& f) {
    const double theta = cursorAngle(f);
    f.CURSX = static_cast<Single>(f.AZRADIUS * std::cos(theta));
    f.CURSY = static_cast<Single>(f.AZRADIUS * std::sin(theta));
}

void CURSOR(form_VECTRIN& f) {
    erase(f);
    placeCursorLine(f);
    const double theta = cursorAngle(f);
    const double markerDistance = f.AZRADIUS + MARKER_BEYOND_SCALE;
    f.CIRX = static_cast<Single>(markerDistance * std::cos(theta) + f.CENTERX);
    f.CIRY = static_cast<Single>(f.CENTERY - markerDistance * std::sin(theta));
    draw(f);
    f.Label_CURSOR.caption = "CURSOR " + zeroPadded(f.CURSOR_BEARING, 3) + " TRU";
}
