#include "display/FormResize.h"

#include "core/form_VECTRIN.h"

void Form_Resize(form_VECTRIN&) {}
