#include "display/RangeRings.h"

#include "core/form_VECTRIN.h"

void RANGE_RINGS(form_VECTRIN&) {}
