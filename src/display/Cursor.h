#pragma once

struct form_VECTRIN;

// Erases the cursor as last drawn and draws it at its bearing.
void CURSOR(form_VECTRIN& f);
