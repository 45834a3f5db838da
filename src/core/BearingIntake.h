// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Types.h"

#include <cstdint>
#include <string>

struct form_VECTRIN;

// One bearing taken in, from a DF message or from the test-mode table:
// - weight 1 at `tableBearing` (1..360) in BRG_HIST, the sector cells of
//   BRG_SUM raised by 1 and MAXVECTOR raised with them;
// - the DF marker erased where it was and drawn at `markerAngle` (radians,
//   counter-clockwise from the screen's x axis), 250 outside the azimuth ring;
// - "LAST BRG : " showing `labelValue`, INCOUNT counted and "TOTAL BRG : " shown.
void takeInBearing(form_VECTRIN& f, int tableBearing, Single markerAngle, Single labelValue);

// The caption of Label_LAST_BRG for a label value.
std::string lastBearingText(Single labelValue);
// The caption of Label_TOTAL_BRG for a count.
std::string totalBearingText(std::int32_t count);
