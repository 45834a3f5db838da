// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/ButtonDispatch.h"

#include "commands/AcquisitionCommands.h"
#include "commands/Memories.h"
#include "commands/PictureCommands.h"
#include "core/form_VECTRIN.h"
#include "display/WindowCommands.h"

#include <array>
#include <optional>
#include <string_view>

namespace {

struct ButtonCommand {
    std::string_view button;
    void (*command)(form_VECTRIN&);
};

template <int Slot> void memoryButton(form_VECTRIN& f) {
    CmdButton_MEM_Click(f, Slot);
}

constexpr std::array<ButtonCommand, 21> BUTTON_COMMANDS{{
    {"CmdButton_ACQUIRE", CmdButton_ACQUIRE_Click},
    {"CmdButton_TEST", CmdButton_TEST_Click},
    {"CmdButton_DECAY", CmdButton_DECAY_Click},
    {"CmdButton_SECTOR", CmdButton_SECTOR_Click},
    {"CmdButton_VAR", CmdButton_VAR_Click},
    {"CmdButton_CLEAR", CmdButton_CLEAR_Click},
    {"CmdButton_REDUCE", CmdButton_REDUCE_Click},
    {"CmdButton_CONTROLS", CmdButton_CONTROLS_Click},
    {"CmdButton_WINDOW", CmdButton_WINDOW_Click},
    {"CmdButton_MEM1", memoryButton<1>},
    {"CmdButton_MEM2", memoryButton<2>},
    {"CmdButton_MEM3", memoryButton<3>},
    {"CmdButton_MEM4", memoryButton<4>},
    {"CmdButton_MEM5", memoryButton<5>},
    {"CmdButton_SAVE", CmdButton_SAVE_Click},
    {"CmdButton_RECALL", CmdButton_RECALL_Click},
    {"CmdButton_CANCEL", CmdButton_CANCEL_Click},
    {"CmdButton_CUR_CW", CmdButton_CUR_CW_Click},
    {"CmdButton_CUR_CCW", CmdButton_CUR_CCW_Click},
    {"CmdButton_HDG_CW", CmdButton_HDG_CW_Click},
    {"CmdButton_HDG_CCW", CmdButton_HDG_CCW_Click},
}};

// The word that names a held stepping button, from the button's name.
std::optional<std::string> steppingWord(const std::string& name) {
    for (const char* word : {"CUR_CW", "CUR_CCW", "HDG_CW", "HDG_CCW"})
        if (name == std::string("CmdButton_") + word) return word;
    return std::nullopt;
}

} // namespace

bool CmdButton_Click(form_VECTRIN& f, const std::string& name) {
    for (const ButtonCommand& entry : BUTTON_COMMANDS) {
        if (entry.button == name) {
            entry.command(f);
            return true;
        }
    }
    return false;
}

void CmdButton_MouseDown(form_VECTRIN& f, const std::string& name) {
    if (const auto word = steppingWord(name)) steppingMouseDown(f, *word);
}

void CmdButton_MouseUp(form_VECTRIN& f, const std::string& name) {
    if (steppingWord(name)) steppingMouseUp(f);
}
