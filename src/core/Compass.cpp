#include "core/Compass.h"

#include "core/form_VECTRIN.h"

void COMPASS(form_VECTRIN&) {}
