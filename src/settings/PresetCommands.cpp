// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/PresetCommands.h"

#include "core/Executive.h"
#include "core/Numbers.h"
#include "core/form_VECTRIN.h"
#include "settings/ColourPresets.h"
#include "settings/ColourScheme.h"
#include "settings/Form_OPTIONS.h"

#include <string>

namespace {

void selectPreset(Form_OPTIONS& o, int preset) {
    o.cmdbutton_DEFAULT_COLORS.visible = false;
    o.CmdButton_SAVE.visible = true;
    o.CmdButton_SAVE.tag = std::to_string(preset);
    o.CmdButton_RECALL.visible = true;
    o.CmdButton_RECALL.tag = o.CmdButton_SAVE.tag;
    o.CmdButton_CANCEL.visible = true;
}

Integer presetOf(const Control& button) {
    return static_cast<Integer>(roundHalfEven(leadingNumber(button.tag)));
}

void redrawInColour(form_VECTRIN& f) {
    f.requestScaleRedraw();
    EXECUTIVE(f);
}

} // namespace

void CmdButton_A_COLORS_Click(Form_OPTIONS& o) {
    selectPreset(o, 2);
}
void CmdButton_B_COLORS_Click(Form_OPTIONS& o) {
    selectPreset(o, 3);
}
void CmdButton_C_COLORS_Click(Form_OPTIONS& o) {
    selectPreset(o, 4);
}
void CmdButton_D_COLORS_Click(Form_OPTIONS& o) {
    selectPreset(o, 5);
}

void CmdButton_SAVE_Click(Form_OPTIONS& o) {
    endPresetSelection(o);
    ColourPresets& p = o.presets;
    p.PRESET_SELECT = presetOf(o.CmdButton_SAVE);
    for (int k = 1; k <= static_cast<int>(COLOUR_SLOTS); ++k)
        p.at(p.PRESET_SELECT, k) = static_cast<Long>(o.settings.colours[k - 1]);
    redrawInColour(o.main);
}

void CmdButton_RECALL_Click(Form_OPTIONS& o) {
    endPresetSelection(o);
    ColourPresets& p = o.presets;
    p.PRESET_SELECT = presetOf(o.CmdButton_RECALL);
    for (int k = 1; k <= static_cast<int>(COLOUR_SLOTS); ++k)
        o.settings.colours[k - 1] = static_cast<Colour>(p.at(p.PRESET_SELECT, k));
    applyWindowColours(o);
    redrawInColour(o.main);
}

void CmdButton_CANCEL_Click(Form_OPTIONS& o) {
    endPresetSelection(o);
}

void endPresetSelection(Form_OPTIONS& o) {
    o.CmdButton_SAVE.visible = false;
    o.CmdButton_RECALL.visible = false;
    o.CmdButton_CANCEL.visible = false;
    o.cmdbutton_DEFAULT_COLORS.visible = true;
}
