// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/FormResize.h"

#include "core/Executive.h"
#include "core/Numbers.h"
#include "core/form_VECTRIN.h"
#include "display/Cursor.h"
#include "display/WindowCommands.h"

namespace {

constexpr double RADIUS_OF_HEIGHT = 0.4;
constexpr double CENTRE_BELOW_MIDDLE = 250;

Long twips(double value) {
    return static_cast<Long>(roundHalfEven(value));
}

void geometry(form_VECTRIN& f, TwipsSize client) {
    f.AZRADIUS = static_cast<Single>(client.height * RADIUS_OF_HEIGHT);
    f.CENTERX = static_cast<Single>(client.width / 2.0);
    f.CENTERY = static_cast<Single>(client.height / 2.0 + CENTRE_BELOW_MIDDLE);
}

// The right-hand columns follow the right edge, the bottom frames the bottom
// edge, the top-centre frame the middle and the GPS warnings the display centre.
void moveControls(form_VECTRIN& f, TwipsSize window, TwipsSize client) {
    const double width = window.width;
    const double height = window.height;
    for (Control* mem : {&f.CmdButton_MEM1, &f.CmdButton_MEM2, &f.CmdButton_MEM3, &f.CmdButton_MEM4,
                         &f.CmdButton_MEM5})
        mem->left = twips(width - 1200);
    for (Control* memory : {&f.CmdButton_SAVE, &f.CmdButton_RECALL, &f.CmdButton_CANCEL})
        memory->left = twips(width - 2040);
    f.CmdButton_OPTIONS.left = twips(width - 1560);
    f.CmdButton_WINDOW.left = twips(width - 1560);
    f.Frame_TOP_RIGHT.left = twips(width - 2280);
    f.Frame_BOTTOM_LEFT.top = twips(height - 2625);
    f.Frame_TOP_CENTER.left = twips(client.width / 2.0 - 990);
    f.Frame_BOTTOM_RIGHT.top = twips(height - 1665);
    f.Frame_BOTTOM_RIGHT.left = twips(width - 2760);
    f.Frame_GPS_FAIL.top = twips(f.CENTERY - 365.0);
    f.Frame_GPS_FAIL.left = twips(f.CENTERX - 425.0);
    f.Frame_GPS_SPEED.top = twips(f.CENTERY - 390.0);
    f.Frame_GPS_SPEED.left = twips(f.CENTERX - 510.0);
}

void placeControlsButton(form_VECTRIN& f, TwipsSize window) {
    if (f.SHOW_HIDE < 0 || f.SHOW_HIDE > 2) return;
    f.CmdButton_CONTROLS.top = f.SHOW_HIDE == 0 ? CONTROLS_TOP_SHOWN : CONTROLS_TOP_HIDDEN;
    f.CmdButton_CONTROLS.left = twips(window.width - 1560);
}

} // namespace

void Form_Resize(form_VECTRIN& f) {
    f.surface.clear();
    f.requestScaleRedraw();
    const TwipsSize client = f.surface.clientSize();
    const TwipsSize window = f.surface.windowSize();
    geometry(f, client);
    placeCursorLine(f);
    moveControls(f, window, client);
    placeControlsButton(f, window);
    EXECUTIVE(f);
}
