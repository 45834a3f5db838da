// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Numbers.h"

// Visits the cells of the summing sector of `width` degrees centred on degree
// `centre` (1..360): the width + 1 degrees centre - width/2 .. centre + width/2,
// each brought into 1..360 by the sector wrap rule. A 4-degree sector around 1
// visits 359, 360, 1, 2, 3.
template <class Visit> void forEachSectorCell(int centre, int width, Visit&& visit) {
    const int half = width / 2;
    for (int k = -half; k <= half; ++k)
        visit(sectorWrap(centre + k));
}
