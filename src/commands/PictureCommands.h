// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct form_VECTRIN;

// What the accumulated picture shows: the summing sector, true or magnetic
// display, clearing, and reducing by one ring.
void CmdButton_SECTOR_Click(form_VECTRIN& f);
void CmdButton_VAR_Click(form_VECTRIN& f);
void CmdButton_CLEAR_Click(form_VECTRIN& f);
void CmdButton_REDUCE_Click(form_VECTRIN& f);

// Sets every degree 1..360 of BRG_SUM and BRG_HIST to 0.
void emptyBearingTables(form_VECTRIN& f);
