// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

struct form_VECTRIN;

// The polar display in words, for a screen reader: where the sector sum peaks
// (the first degree of the highest sum), the cursor and the heading, as
// "Peak bearing 123 degrees true, cursor 45 degrees true, heading manual 10
// degrees true". 360 comparisons and a few words: cheap enough for every cycle.
std::string polarReadout(const form_VECTRIN& f);
