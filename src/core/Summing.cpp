#include "core/Summing.h"

#include "core/form_VECTRIN.h"

void SUMMING(form_VECTRIN&) {}
