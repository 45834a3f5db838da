// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct form_VECTRIN;

// The clocks and watches at the start of a cycle: midnight rollover,
// acquisition time, test-mode feed, serial-data watch, decay, GPS watch.
void TIMERS(form_VECTRIN& f);
