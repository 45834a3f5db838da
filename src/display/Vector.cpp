// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/Vector.h"

#include "core/form_VECTRIN.h"
#include "display/Angles.h"

#include <array>
#include <cmath>

namespace {

// The unit components of a spoke at a whole angle, held in 32 bits: the first
// step of the scaling. The spokes' angles are whole degrees, so the 360 sines
// and cosines of a cycle come from this table instead of being worked out
// again on every cycle; angles outside it are worked out directly.
struct Unit {
    Single cos;
    Single sin;
};

constexpr int TABLED_ANGLES = 1024;

Unit unitAt(int angle) {
    const double theta = angle * RADIANS_PER_DEGREE;
    return {static_cast<Single>(std::cos(theta)), static_cast<Single>(std::sin(theta))};
}

Unit unit(int angle) {
    static const auto table = [] {
        std::array<Unit, 2 * TABLED_ANGLES> units{};
        for (int a = -TABLED_ANGLES; a < TABLED_ANGLES; ++a)
            units[static_cast<std::size_t>(a + TABLED_ANGLES)] = unitAt(a);
        return units;
    }();
    if (angle < -TABLED_ANGLES || angle >= TABLED_ANGLES) return unitAt(angle);
    return table[static_cast<std::size_t>(angle + TABLED_ANGLES)];
}

// One component of a spoke: the unit component scaled to the rings, rounded
// to 32 bits after every step, then truncated toward zero.
Single spokeComponent(Single unitComponent, Single ringCount, Single radius, Single sum) {
    Single v = unitComponent / 10.0f;
    v = v / ringCount;
    v = v * radius;
    v = v * sum;
    return std::trunc(v);
}

} // namespace

void VECTOR(form_VECTRIN& f) {
    f.VECTOR_HEADING = static_cast<Integer>(f.HEADING + 90);
    if (f.varOn()) f.VECTOR_HEADING = static_cast<Integer>(f.VECTOR_HEADING - f.HEADING_CORRECTION);
    DrawingSurface& s = f.surface;
    s.pen.foreColour = f.settings.colour(ColourSlot::Vectors);
    const auto rings = static_cast<Single>(f.RINGCOUNT);
    for (int i = 1; i <= 360; ++i) {
        const Unit u = unit(f.VECTOR_HEADING - i);
        const Single dx = spokeComponent(u.cos, rings, f.AZRADIUS, f.BRG_SUM[i]);
        const Single dy = spokeComponent(u.sin, rings, f.AZRADIUS, f.BRG_SUM[i]);
        s.line(f.CENTERX, f.CENTERY, dx, -dy);
    }
}
