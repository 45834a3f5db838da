#include "display/Vector.h"

#include "core/form_VECTRIN.h"
#include "display/Angles.h"

#include <cmath>

namespace {

// One component of a spoke: the unit component scaled to the rings, rounded
// to 32 bits after every step, then truncated toward zero.
Single spokeComponent(double unit, const form_VECTRIN& f, Single sum) {
    Single v = static_cast<Single>(unit);
    v = v / 10.0f;
    v = v / static_cast<Single>(f.RINGCOUNT);
    v = v * f.AZRADIUS;
    v = v * sum;
    return std::trunc(v);
}

} // namespace

void VECTOR(form_VECTRIN& f) {
    f.VECTOR_HEADING = static_cast<Integer>(f.HEADING + 90);
    if (f.varOn()) f.VECTOR_HEADING = static_cast<Integer>(f.VECTOR_HEADING - f.HEADING_CORRECTION);
    DrawingSurface& s = f.surface;
    s.pen.foreColour = f.settings.colour(ColourSlot::Vectors);
    for (int i = 1; i <= 360; ++i) {
        const double theta = (f.VECTOR_HEADING - i) * RADIANS_PER_DEGREE;
        const Single dx = spokeComponent(std::cos(theta), f, f.BRG_SUM[i]);
        const Single dy = spokeComponent(std::sin(theta), f, f.BRG_SUM[i]);
        s.line(f.CENTERX, f.CENTERY, dx, -dy);
    }
}
