// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Summing.h"

#include "core/SectorCells.h"
#include "core/form_VECTRIN.h"

void SUMMING(form_VECTRIN& f) {
    for (int d = 1; d <= 360; ++d)
        f.BRG_SUM[d] = 0;
    for (int i = 1; i <= 360; ++i) {
        const Single weight = f.BRG_HIST[i];
        forEachSectorCell(i, f.SECTOR_WIDTH, [&f, weight](int d) { f.BRG_SUM[d] += weight; });
    }
    f.MAXVECTOR = 0;
    for (int d = 1; d <= 360; ++d)
        if (f.BRG_SUM[d] > f.MAXVECTOR) f.MAXVECTOR = f.BRG_SUM[d];
    f.NEWSECTOR = false;
}
