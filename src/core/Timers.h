// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct form_VECTRIN;

// The clocks and watches at the start of a cycle: acquisition time, test-mode
// feed, serial-data watch, decay, GPS watch (the stored times have followed
// the clock past midnight as it was read).
void TIMERS(form_VECTRIN& f);
