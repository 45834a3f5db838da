// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/PictureCommands.h"

#include "core/Captions.h"
#include "core/Executive.h"
#include "core/Summing.h"
#include "core/form_VECTRIN.h"
#include "display/RangeRings.h"

#include <array>

namespace {

struct SectorStep {
    Integer before;
    Integer after;
    const char* caption;
};

// The cycle of summing sector widths, with the caption of each new width.
constexpr std::array<SectorStep, 10> SECTOR_CYCLE{{
    {4, 6, "S:SECTOR     6 DEG"},
    {6, 8, "S:SECTOR     8 DEG"},
    {8, 12, "S:SECTOR    12 DEG"},
    {12, 18, "S:SECTOR    18 DEG"},
    {18, 24, "S:SECTOR    24 DEG"},
    {24, 36, "S:SECTOR    36 DEG"},
    {36, 48, "S:SECTOR    48 DEG"},
    {48, 72, "S:SECTOR    72 DEG"},
    {72, 108, "S:SECTOR  108 DEG"},
    {108, 4, "S:SECTOR     4 DEG"},
}};

void applySectorStep(form_VECTRIN& f, const SectorStep& step) {
    f.SECTOR_WIDTH = step.after;
    f.NEWSECTOR = true;
    f.CmdButton_SECTOR.caption = step.caption;
    SUMMING(f);
    f.NEWRING = false;
    RANGE_RINGS(f);
    f.surface.clear();
    f.requestScaleRedraw();
    EXECUTIVE(f);
}

// Below zero a reduced weight stays at zero.
Single lowered(Single value, Single by) {
    const Single result = value - by;
    return result < 0 ? 0 : result;
}

} // namespace

void CmdButton_SECTOR_Click(form_VECTRIN& f) {
    for (const SectorStep& step : SECTOR_CYCLE) {
        if (step.before == f.SECTOR_WIDTH) {
            applySectorStep(f, step);
            return;
        }
    }
}

void CmdButton_VAR_Click(form_VECTRIN& f) {
    const std::string kept = f.Label_HDG.caption.substr(0, 7);
    if (f.CmdButton_VAR.caption == VAR_OFF) {
        f.CmdButton_VAR.caption = VAR_ON;
        f.Label_HDG.caption = kept + " MAG";
    } else {
        f.CmdButton_VAR.caption = VAR_OFF;
        f.Label_HDG.caption = kept + " TRU";
    }
    f.requestScaleRedraw();
}

void emptyBearingTables(form_VECTRIN& f) {
    for (int d = 1; d <= 360; ++d) {
        f.BRG_SUM[d] = 0;
        f.BRG_HIST[d] = 0;
    }
}

void CmdButton_CLEAR_Click(form_VECTRIN& f) {
    emptyBearingTables(f);
    f.MAXVECTOR = 0;
    f.INCOUNT = 0;
    f.NEWAZIMUTH = true;
    f.NEWSECTOR = true;
    f.NEWVECTOR = true;
    f.ACQTIME = 0;
    EXECUTIVE(f);
}

void CmdButton_REDUCE_Click(form_VECTRIN& f) {
    const Single r = f.RINGCOUNT;
    f.MAXVECTOR = 0;
    for (int d = 1; d <= 360; ++d) {
        f.BRG_HIST[d] = lowered(f.BRG_HIST[d], r);
        f.BRG_SUM[d] = lowered(f.BRG_SUM[d], r);
        if (f.BRG_SUM[d] > f.MAXVECTOR) f.MAXVECTOR = f.BRG_SUM[d];
    }
    f.NEWAZIMUTH = true;
    f.NEWRING = true;
    EXECUTIVE(f);
}
