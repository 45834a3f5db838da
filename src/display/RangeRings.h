// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct form_VECTRIN;

// Keeps the ring count from the peak sector sum and redraws the rings.
void RANGE_RINGS(form_VECTRIN& f);
