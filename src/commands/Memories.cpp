// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/Memories.h"

#include "commands/AcquisitionCommands.h"
#include "core/Captions.h"
#include "core/Executive.h"
#include "core/Numbers.h"
#include "core/form_VECTRIN.h"

#include <algorithm>
#include <array>

namespace {

constexpr int RINGCOUNT_ENTRY = 361;
constexpr int MAXVECTOR_ENTRY = 362;

std::array<Control*, 5> memoryButtons(form_VECTRIN& f) {
    return {&f.CmdButton_MEM1, &f.CmdButton_MEM2, &f.CmdButton_MEM3, &f.CmdButton_MEM4,
            &f.CmdButton_MEM5};
}

void showSelectionButtons(form_VECTRIN& f, bool shown) {
    f.CmdButton_SAVE.visible = shown;
    f.CmdButton_RECALL.visible = shown;
    f.CmdButton_CANCEL.visible = shown;
}

void endSelection(form_VECTRIN& f) {
    if (f.SHOW_HIDE == 0)
        for (Control* button : memoryButtons(f))
            button->visible = true;
    showSelectionButtons(f, false);
}

// Both sources off and the port closed: the recalled picture stays frozen.
void stopAllInput(form_VECTRIN& f) {
    if (f.MSComm1.isOpen()) f.MSComm1.close();
    f.CmdButton_ACQUIRE.caption = ACQUIRE_OFF;
    f.CmdButton_TEST.caption = TEST_OFF;
    f.SIMULATE_TIMER = false;
    f.DF_TIMER = false;
    f.COM_TIMEOUT_TIMER = false;
    f.Label_COM_TIMEOUT.visible = false;
    f.Frame_TOP_LEFT.visible = f.SHOW_HIDE == 0;
}

} // namespace

void CmdButton_MEM_Click(form_VECTRIN& f, int slot) {
    f.MEMORY_SELECT = static_cast<Integer>(slot);
    const auto buttons = memoryButtons(f);
    for (int n = 1; n <= 5; ++n)
        if (n != slot) buttons[n - 1]->visible = false;
    showSelectionButtons(f, true);
}

void CmdButton_SAVE_Click(form_VECTRIN& f) {
    auto& memory = f.BRG_MEM[f.MEMORY_SELECT];
    for (int d = 1; d <= 360; ++d)
        memory[d] = f.BRG_HIST[d];
    memory[RINGCOUNT_ENTRY] = f.RINGCOUNT;
    memory[MAXVECTOR_ENTRY] = f.MAXVECTOR;
    endSelection(f);
}

void CmdButton_RECALL_Click(form_VECTRIN& f) {
    stopAllInput(f);
    if (f.CmdButton_DECAY.caption == DECAY_ON) CmdButton_DECAY_Click(f);
    const auto& memory = f.BRG_MEM[f.MEMORY_SELECT];
    for (int d = 1; d <= 360; ++d)
        f.BRG_HIST[d] = memory[d];
    // A memory never saved holds no ring count; the scale needs at least one ring.
    f.RINGCOUNT =
        std::max<Integer>(1, static_cast<Integer>(roundHalfEven(memory[RINGCOUNT_ENTRY])));
    f.MAXVECTOR = memory[MAXVECTOR_ENTRY];
    if (f.MEMORY_SELECT >= 1)
        f.Label_SOURCE.caption = "SOURCE : MEM" + std::to_string(f.MEMORY_SELECT);
    endSelection(f);
    f.Label_TOTAL_TIME.caption = "TOTAL TIME : 0000";
    f.Label_TOTAL_BRG.caption = "TOTAL BRG : 0000";
    f.Label_LAST_BRG.caption = "LAST BRG : 000";
    f.NEWAZIMUTH = true;
    f.NEWRING = true;
    f.NEWSECTOR = true;
    f.NEWVECTOR = true;
    f.ACQTIME = 0;
    f.INCOUNT = 0;
    EXECUTIVE(f);
}

void CmdButton_CANCEL_Click(form_VECTRIN& f) {
    endSelection(f);
}
