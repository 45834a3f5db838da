// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct form_VECTRIN;

// The five bearing memories. A memory button selects its slot and shows SAVE,
// RECALL and CANCEL; those work on the slot selected last (slot 0 before any).
void CmdButton_MEM_Click(form_VECTRIN& f, int slot);
void CmdButton_SAVE_Click(form_VECTRIN& f);
void CmdButton_RECALL_Click(form_VECTRIN& f);
void CmdButton_CANCEL_Click(form_VECTRIN& f);
