// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct DisplayState;

// Brings the stored times (DF_TIME, LAST_COM_TIME, DECAY_TIME, GPS_TIME)
// along with a new reading of the clock, so that every elapsed time stays
// right past each midnight and when the clock is set back. ROLLOVER holds the
// second of the latest reading.
void followTheClock(DisplayState& s, double clock);
