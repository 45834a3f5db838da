// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct form_VECTRIN;

// Erases the cursor as last drawn and draws it at its bearing.
void CURSOR(form_VECTRIN& f);

// Sets the end of the cursor line (CURSX, CURSY) from the cursor bearing, the
// heading and the present radius, as the cursor is about to be drawn.
void placeCursorLine(form_VECTRIN& f);
