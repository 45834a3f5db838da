#include "display/Vector.h"

#include "core/form_VECTRIN.h"

void VECTOR(form_VECTRIN&) {}
