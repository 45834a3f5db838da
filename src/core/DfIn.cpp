#include "core/DfIn.h"

#include "core/form_VECTRIN.h"

void DF_IN(form_VECTRIN&) {}
