#include "display/Azimuth.h"

#include "core/form_VECTRIN.h"

void AZIMUTH(form_VECTRIN&) {}
