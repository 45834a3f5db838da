// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/KeyMap.h"

#include "core/form_VECTRIN.h"

#include <array>
#include <cstdint>
#include <limits>

namespace {

struct KeyBinding {
    int keyCode;
    const char* button;
};

constexpr int KEY_2 = KEY_TOP_ROW_0 + 2;
constexpr int CREDIT_REVEAL_PRESS = 5;

constexpr int letter(char c) {
    return KEY_A + (c - 'A');
}

// Every key of the map but key 2, which depends on the modifiers.
constexpr std::array<KeyBinding, 22> KEY_MAP{{
    {KEY_TOP_ROW_0 + 1, "CmdButton_MEM1"},   {KEY_TOP_ROW_0 + 3, "CmdButton_MEM3"},
    {KEY_TOP_ROW_0 + 4, "CmdButton_MEM4"},   {KEY_TOP_ROW_0 + 5, "CmdButton_MEM5"},
    {KEY_TOP_ROW_0 + 6, "CmdButton_SAVE"},   {KEY_TOP_ROW_0 + 7, "CmdButton_RECALL"},
    {KEY_TOP_ROW_0 + 8, "CmdButton_CANCEL"}, {letter('A'), "CmdButton_ACQUIRE"},
    {letter('C'), "CmdButton_CLEAR"},        {letter('D'), "CmdButton_DECAY"},
    {letter('H'), "CmdButton_CONTROLS"},     {letter('O'), "CmdButton_OPTIONS"},
    {letter('Q'), "CmdButton_QUIT"},         {letter('R'), "CmdButton_REDUCE"},
    {letter('S'), "CmdButton_SECTOR"},       {letter('T'), "CmdButton_TEST"},
    {letter('V'), "CmdButton_VAR"},          {letter('W'), "CmdButton_WINDOW"},
    {KEY_KEYPAD_0 + 2, "CmdButton_CUR_CCW"}, {KEY_KEYPAD_0 + 4, "CmdButton_HDG_CCW"},
    {KEY_KEYPAD_0 + 6, "CmdButton_HDG_CW"},  {KEY_KEYPAD_0 + 8, "CmdButton_CUR_CW"},
}};

void countCreditPress(form_VECTRIN& f) {
    if (f.COPYRIGHT < std::numeric_limits<Integer>::max()) ++f.COPYRIGHT;
}

// At the fifth counted press the maker's credits appear and stay for the run.
void creditCheck(form_VECTRIN& f) {
    if (f.COPYRIGHT != CREDIT_REVEAL_PRESS) return;
    f.Label_CREDIT_NAME.caption = CREDIT_REVEALED_TEXT;
    f.Label_COPYRIGHT.visible = true;
    f.Label_CREDIT_CONTACT.visible = true;
}

} // namespace

std::optional<std::string> Form_KeyDown(form_VECTRIN& f, int keyCode, int mask) {
    f.CTRL_KEY = static_cast<Integer>(mask);
    if (keyCode == KEY_2) {
        if (mask == 0) return "CmdButton_MEM2";
        countCreditPress(f);
        creditCheck(f);
        return std::nullopt;
    }
    for (const KeyBinding& binding : KEY_MAP)
        if (binding.keyCode == keyCode) return binding.button;
    creditCheck(f);
    return std::nullopt;
}

void Form_KeyUp(form_VECTRIN& f, int, int mask) {
    f.CTRL_KEY = static_cast<Integer>(mask);
}
