// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/WindowCommands.h"

#include "core/form_VECTRIN.h"

#include <array>

namespace {

std::array<Control*, 19> commandButtons(form_VECTRIN& f) {
    return {&f.CmdButton_ACQUIRE, &f.CmdButton_CLEAR,  &f.CmdButton_CUR_CW,  &f.CmdButton_CUR_CCW,
            &f.CmdButton_DECAY,   &f.CmdButton_HDG_CW, &f.CmdButton_HDG_CCW, &f.CmdButton_MEM1,
            &f.CmdButton_MEM2,    &f.CmdButton_MEM3,   &f.CmdButton_MEM4,    &f.CmdButton_MEM5,
            &f.CmdButton_OPTIONS, &f.CmdButton_WINDOW, &f.CmdButton_QUIT,    &f.CmdButton_REDUCE,
            &f.CmdButton_SECTOR,  &f.CmdButton_TEST,   &f.CmdButton_VAR};
}

std::array<Control*, 16> labels(form_VECTRIN& f) {
    return {
        &f.Label_COMM,       &f.Label_COPYRIGHT,   &f.Label_CURSOR,   &f.Label_DECAY,
        &f.Label_DECAY_RATE, &f.Label_HDG,         &f.Label_LAST_BRG, &f.Label_CREDIT_CONTACT,
        &f.Label_RANGE,      &f.Label_CREDIT_NAME, &f.Label_SOURCE,   &f.Label_TIME,
        &f.Label_TOTAL_BRG,  &f.Label_TOTAL_TIME,  &f.Label_VERSION,  &f.Label_VECTRIN_DF_DISPLAY};
}

void showButtons(form_VECTRIN& f, bool shown) {
    f.CmdButton_CONTROLS.top = shown ? CONTROLS_TOP_SHOWN : CONTROLS_TOP_HIDDEN;
    for (Control* button : commandButtons(f))
        button->visible = shown;
    f.Frame_BOTTOM_RIGHT.visible = shown;
}

void showLabelsAndFrames(form_VECTRIN& f, bool shown) {
    for (Control* label : labels(f))
        label->visible = shown;
    f.Frame_TOP_LEFT.visible = shown;
    f.Frame_TOP_CENTER.visible = shown;
    f.Frame_BOTTOM_LEFT.visible = shown;
}

} // namespace

void CmdButton_WINDOW_Click(form_VECTRIN& f) {
    f.WIN_SIZE = static_cast<Integer>(f.WIN_SIZE + 1);
    if (f.WIN_SIZE == 2) f.WIN_SIZE = 0;
    if (f.WIN_SIZE == 0) f.surface.setWindowState(WindowState::Normal);
    if (f.WIN_SIZE == 1) f.surface.setWindowState(WindowState::Maximized);
}

void CmdButton_CONTROLS_Click(form_VECTRIN& f) {
    f.SHOW_HIDE = static_cast<Integer>(f.SHOW_HIDE + 1);
    if (f.SHOW_HIDE > 2) f.SHOW_HIDE = 0;
    if (f.SHOW_HIDE == 1 || f.SHOW_HIDE == 2) showButtons(f, false);
    if (f.SHOW_HIDE == 0) showButtons(f, true);
    if (f.SHOW_HIDE == 2) {
        showLabelsAndFrames(f, false);
        f.Frame_TOP_RIGHT.visible = false;
        return;
    }
    showLabelsAndFrames(f, true);
    if (f.SHOW_HIDE == 0) f.Frame_TOP_RIGHT.visible = true;
    if (f.SHOW_HIDE == 1) f.Frame_TOP_RIGHT.visible = false;
}
