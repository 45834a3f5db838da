// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct form_VECTRIN;

// Draws the heading-up azimuth disk, ticks and compass letters.
void AZIMUTH(form_VECTRIN& f);
