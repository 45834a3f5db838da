// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/Azimuth.h"

#include "core/form_VECTRIN.h"
#include "display/Angles.h"

#include <array>
#include <cmath>

namespace {

constexpr Single OUTER_CIRCLE_GAP = 50;
constexpr Single CROSS_ARM = 110;
constexpr Single LONG_TICK = 150;
constexpr Single SHORT_TICK = 75;
constexpr double LABEL_DISTANCE = 0.91;
constexpr double LABEL_RISE = 135;
const Font LABEL_FONT{"arial", 12, true, false};

struct CompassLabel {
    const char* text;
    Integer angle; // true bearing minus 90
    double dx;     // moves the text's left edge so it sits on the label point
};

constexpr std::array<CompassLabel, 8> COMPASS_LABELS{{{"N", 270, 80},
                                                      {"NE", 315, 180},
                                                      {"E", 0, 80},
                                                      {"SE", 45, 180},
                                                      {"S", 90, 80},
                                                      {"SW", 135, 180},
                                                      {"W", 180, 120},
                                                      {"NW", 225, 200}}};

// Ticks every 10 degrees from `first`, each running `length` twips inward
// from the azimuth circle.
void ticks(form_VECTRIN& f, int first, Single length) {
    for (int x = first; x <= 355; x += 10) {
        const double theta = (x - f.AZIMUTH_HEADING) * RADIANS_PER_DEGREE;
        const double c = std::cos(theta);
        const double s = std::sin(theta);
        f.surface.line(static_cast<Single>(f.AZRADIUS * c + f.CENTERX),
                       static_cast<Single>(f.AZRADIUS * s + f.CENTERY),
                       static_cast<Single>(-length * c), static_cast<Single>(-length * s));
    }
}

void compassLabels(form_VECTRIN& f) {
    DrawingSurface& s = f.surface;
    const double distance = LABEL_DISTANCE * f.AZRADIUS;
    for (const CompassLabel& label : COMPASS_LABELS) {
        const auto turned = static_cast<Integer>(label.angle - f.AZIMUTH_HEADING);
        const double theta = turned * RADIANS_PER_DEGREE;
        s.pen.textX = static_cast<Single>((f.CENTERX - label.dx) + distance * std::cos(theta));
        s.pen.textY = static_cast<Single>((f.CENTERY - LABEL_RISE) + distance * std::sin(theta));
        s.print(label.text);
    }
}

} // namespace

void AZIMUTH(form_VECTRIN& f) {
    DrawingSurface& s = f.surface;
    s.pen.lineWidth = 2;
    s.pen.fillStyle = FillStyle::Solid;
    s.pen.fillColour = f.settings.colour(ColourSlot::AzimuthBackground);
    s.pen.foreColour = f.settings.colour(ColourSlot::AzimuthScale);
    s.circle(f.CENTERX, f.CENTERY, f.AZRADIUS);
    s.pen.fillStyle = FillStyle::Transparent;
    s.circle(f.CENTERX, f.CENTERY, f.AZRADIUS + OUTER_CIRCLE_GAP);

    s.line(f.CENTERX, f.CENTERY - CROSS_ARM, 0, 2 * CROSS_ARM);
    s.line(f.CENTERX - CROSS_ARM, f.CENTERY, 2 * CROSS_ARM, 0);

    f.AZIMUTH_HEADING =
        f.varOn() ? static_cast<Integer>(f.HEADING - f.HEADING_CORRECTION) : f.HEADING;
    ticks(f, 0, LONG_TICK);
    ticks(f, 5, SHORT_TICK);

    s.pen.font = LABEL_FONT;
    compassLabels(f);

    s.pen.lineWidth = 1;
    f.NEWAZIMUTH = false;
}
