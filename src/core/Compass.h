// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct form_VECTRIN;

// Takes the heading from one GPS sentence waiting in the GPS buffer.
void COMPASS(form_VECTRIN& f);
