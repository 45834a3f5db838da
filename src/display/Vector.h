// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct form_VECTRIN;

// Draws the 360 bearing spokes scaled to the rings.
void VECTOR(form_VECTRIN& f);
