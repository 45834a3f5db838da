// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct form_VECTRIN;

// The window was shown or changed size: geometry, control layout, one cycle.
void Form_Resize(form_VECTRIN& f);
