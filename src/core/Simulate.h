// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct form_VECTRIN;

// Builds the test-mode table of simulated bearings once at start-up.
void SIMULATE(form_VECTRIN& f);
// Takes in the next simulated bearing (one per cycle in test mode).
void simulateFeed(form_VECTRIN& f);
