#include "display/Cursor.h"

#include "core/form_VECTRIN.h"

void CURSOR(form_VECTRIN&) {}
