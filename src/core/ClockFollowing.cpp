// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ClockFollowing.h"

#include "core/DisplayState.h"
#include "core/Numbers.h"

namespace {

constexpr Long SECONDS_PER_DAY = 86400;
// A rounded second can stand up to half a second ahead of the clock; only a
// clock further behind the latest second has really gone back.
constexpr double ROUNDING_SLACK = 0.5;
// A clock gone back by more than half a day has passed midnight; by less, it
// was set back (time synchronisation, the end of summer time).
constexpr double HALF_A_DAY = SECONDS_PER_DAY / 2.0;

} // namespace

// The stored times move back with the clock: by a day at every midnight, so
// the real time across midnight counts; by the step itself when the clock was
// set back, so the watches neither stall nor count time backwards.
void followTheClock(DisplayState& s, double clock) {
    const Long now = nowRounded(clock);
    const double back = s.ROLLOVER - clock;
    if (back > ROUNDING_SLACK) {
        const Long shift = back > HALF_A_DAY ? -SECONDS_PER_DAY : now - s.ROLLOVER;
        s.DF_TIME += shift;
        s.LAST_COM_TIME += shift;
        s.DECAY_TIME += shift;
        s.GPS_TIME += shift;
    }
    s.ROLLOVER = now;
}
