// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ColourScheme.h"

#include "core/Executive.h"
#include "core/form_VECTRIN.h"
#include "settings/ColourPicker.h"
#include "settings/Form_OPTIONS.h"

#include <vector>

namespace {

// Open on the given colour, with the full picker and its custom colours.
constexpr int PICKER_FLAGS = 3;

std::vector<Control*> frames(form_VECTRIN& f) {
    return {&f.Frame_TOP_LEFT, &f.Frame_TOP_CENTER, &f.Frame_TOP_RIGHT, &f.Frame_BOTTOM_LEFT,
            &f.Frame_BOTTOM_RIGHT};
}

std::vector<Control*> legendLabels(form_VECTRIN& f) {
    return {&f.Label_COMM,    &f.Label_COPYRIGHT,          &f.Label_CURSOR,
            &f.Label_DECAY,   &f.Label_DECAY_RATE,         &f.Label_HDG,
            &f.Label_KEYPAD,  &f.Label_LAST_BRG,           &f.Label_CREDIT_CONTACT,
            &f.Label_RANGE,   &f.Label_CREDIT_NAME,        &f.Label_SOURCE,
            &f.Label_TIME,    &f.Label_TOTAL_BRG,          &f.Label_TOTAL_TIME,
            &f.Label_VERSION, &f.Label_VECTRIN_DF_DISPLAY, &f.Label_COM_TIMEOUT};
}

std::vector<Control*> buttons(form_VECTRIN& f) {
    return {&f.CmdButton_ACQUIRE, &f.CmdButton_CLEAR,  &f.CmdButton_CONTROLS, &f.CmdButton_WINDOW,
            &f.CmdButton_CUR_CCW, &f.CmdButton_CUR_CW, &f.CmdButton_DECAY,    &f.CmdButton_HDG_CCW,
            &f.CmdButton_HDG_CW,  &f.CmdButton_MEM1,   &f.CmdButton_MEM2,     &f.CmdButton_MEM3,
            &f.CmdButton_MEM4,    &f.CmdButton_MEM5,   &f.CmdButton_OPTIONS,  &f.CmdButton_QUIT,
            &f.CmdButton_REDUCE,  &f.CmdButton_SECTOR, &f.CmdButton_TEST,     &f.CmdButton_VAR,
            &f.CmdButton_SAVE,    &f.CmdButton_RECALL, &f.CmdButton_CANCEL};
}

void paintFrames(form_VECTRIN& f, Colour colour) {
    for (Control* c : frames(f))
        c->backColour = colour;
    f.Label_COM_TIMEOUT.backColour = colour;
}

void paintLabels(form_VECTRIN& f, Colour colour) {
    for (Control* c : legendLabels(f))
        c->textColour = colour;
}

void paintButtons(form_VECTRIN& f, Colour colour) {
    for (Control* c : buttons(f))
        c->backColour = colour;
}

// Shows the picker on the slot's colour and returns what it gives back (the
// same colour when the operator cancels).
Colour askPicker(Form_OPTIONS& o, ColourSlot slot) {
    o.CommonDialog1.setFlags(PICKER_FLAGS);
    o.CommonDialog1.setColour(o.settings.colour(slot));
    o.CommonDialog1.show();
    return o.CommonDialog1.colour();
}

void setSwatch(Form_OPTIONS& o, ColourSlot slot, Colour colour) {
    o.settings.colours[static_cast<std::size_t>(slot)] = colour;
}

Colour pick(Form_OPTIONS& o, ColourSlot slot) {
    const Colour chosen = askPicker(o, slot);
    setSwatch(o, slot, chosen);
    return chosen;
}

// A drawn colour: the display shows it once the flagged step runs again.
void pickDrawnColour(Form_OPTIONS& o, ColourSlot slot, bool& flag) {
    pick(o, slot);
    flag = true;
    EXECUTIVE(o.main);
}

} // namespace

void cmdbutton_DISPLAY_BACKGROUND_COLOR_Click(Form_OPTIONS& o) {
    const Colour chosen = askPicker(o, ColourSlot::DisplayBackground);
    o.main.surface.setBackColour(chosen);
    setSwatch(o, ColourSlot::DisplayBackground, chosen);
    paintFrames(o.main, chosen);
}

void cmdbutton_BUTTON_BACKGROUND_COLOR_Click(Form_OPTIONS& o) {
    paintButtons(o.main, pick(o, ColourSlot::ButtonBackground));
}

void cmdbutton_LEGEND_TEXT_COLOR_Click(Form_OPTIONS& o) {
    paintLabels(o.main, pick(o, ColourSlot::LegendText));
}

void cmdbutton_AZIMUTH_BACKGROUND_Click(Form_OPTIONS& o) {
    pickDrawnColour(o, ColourSlot::AzimuthBackground, o.main.NEWAZIMUTH);
}

void cmdbutton_AZIMUTH_SCALE_COLOR_Click(Form_OPTIONS& o) {
    pickDrawnColour(o, ColourSlot::AzimuthScale, o.main.NEWAZIMUTH);
}

void cmdbutton_RANGE_RINGS_COLOR_Click(Form_OPTIONS& o) {
    pickDrawnColour(o, ColourSlot::RangeRings, o.main.NEWRING);
}

void cmdbutton_CURSOR_COLOR_Click(Form_OPTIONS& o) {
    pickDrawnColour(o, ColourSlot::Cursor, o.main.NEWCURSOR);
}

void cmdbutton_VECTORS_COLOR_Click(Form_OPTIONS& o) {
    pick(o, ColourSlot::Vectors);
    o.main.requestScaleRedraw();
}

void cmdbutton_DEFAULT_COLORS_Click(Form_OPTIONS& o) {
    o.settings.colours = DEFAULT_COLOURS;
    applyWindowColours(o);
}

void applyWindowColours(Form_OPTIONS& o) {
    form_VECTRIN& f = o.main;
    const Colour background = o.settings.colour(ColourSlot::DisplayBackground);
    f.surface.setBackColour(background);
    paintFrames(f, background);
    paintLabels(f, o.settings.colour(ColourSlot::LegendText));
    paintButtons(f, o.settings.colour(ColourSlot::ButtonBackground));
}
