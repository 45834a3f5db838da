#include "core/Simulate.h"

#include "core/form_VECTRIN.h"

void SIMULATE(form_VECTRIN&) {}
void simulateFeed(form_VECTRIN&) {}
