// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct form_VECTRIN;

// Recomputes the sector sums and their peak from the bearing histogram.
void SUMMING(form_VECTRIN& f);
