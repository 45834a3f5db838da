// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/Stepping.h"

#include "core/Executive.h"
#include "core/Numbers.h"
#include "core/form_VECTRIN.h"

namespace {

constexpr int FIRST_REPEAT_DELAY_MS = 500;
constexpr int FASTEST_REPEAT_MS = 1;
constexpr int BIG_STEP = 10;

// A click that ends a press which has already auto-repeated only clears BIGSTEP.
bool endsARepeatedPress(form_VECTRIN& f) {
    if (!f.BIGSTEP) return false;
    f.BIGSTEP = false;
    return true;
}

int clickStep(const form_VECTRIN& f) {
    return f.CTRL_KEY == 0 ? 1 : BIG_STEP;
}

// Clockwise steps of clicks and of the cursor's repeat come back to 0 above 359.
Integer clockwise(Integer value, int step) {
    int next = value + step;
    if (next > 359) next -= 360;
    return static_cast<Integer>(next);
}

Integer counterClockwise(Integer value, int step) {
    int next = value - step;
    if (next < 0) next += 360;
    return static_cast<Integer>(next);
}

// The heading's clockwise repeat wraps only above 360, so stepping onto north
// reads 360.
Integer headingRepeatClockwise(Integer value) {
    int next = value + BIG_STEP;
    if (next > 360) next -= 360;
    return static_cast<Integer>(next);
}

void cursorMoved(form_VECTRIN& f, Integer bearing) {
    f.CURSOR_BEARING = bearing;
    f.requestScaleRedraw();
    EXECUTIVE(f);
}

void headingMoved(form_VECTRIN& f, Integer heading) {
    f.HEADING = heading;
    showManualHeading(f);
    f.NEWAZIMUTH = true;
    f.NEWRING = true;
    EXECUTIVE(f);
}

} // namespace

void showManualHeading(form_VECTRIN& f) {
    f.HEADING_STRING = zeroPadded(f.HEADING, 3);
    f.Label_HDG.caption = "MAN " + f.HEADING_STRING + lastChars(f.Label_HDG.caption, 4);
}

void CmdButton_CUR_CW_Click(form_VECTRIN& f) {
    if (endsARepeatedPress(f)) return;
    cursorMoved(f, clockwise(f.CURSOR_BEARING, clickStep(f)));
}

void CmdButton_CUR_CCW_Click(form_VECTRIN& f) {
    if (endsARepeatedPress(f)) return;
    cursorMoved(f, counterClockwise(f.CURSOR_BEARING, clickStep(f)));
}

void CmdButton_HDG_CW_Click(form_VECTRIN& f) {
    if (endsARepeatedPress(f)) return;
    headingMoved(f, clockwise(f.HEADING, clickStep(f)));
}

void CmdButton_HDG_CCW_Click(form_VECTRIN& f) {
    if (endsARepeatedPress(f)) return;
    headingMoved(f, counterClockwise(f.HEADING, clickStep(f)));
}

void steppingMouseDown(form_VECTRIN& f, const std::string& word) {
    f.Timer_MOUSE_DOWN.setEnabled(true);
    f.Timer_MOUSE_DOWN.setInterval(FIRST_REPEAT_DELAY_MS);
    f.MOUSE_DOWN_STRING = word;
}

void steppingMouseUp(form_VECTRIN& f) {
    f.Timer_MOUSE_DOWN.setEnabled(false);
    f.Timer_MOUSE_DOWN.setInterval(FIRST_REPEAT_DELAY_MS);
    f.MOUSE_DOWN_STRING = "NONE";
}

void Timer_MOUSE_DOWN_Timer(form_VECTRIN& f) {
    const std::string& held = f.MOUSE_DOWN_STRING;
    if (held == "NONE") return;
    f.BIGSTEP = true;
    f.Timer_MOUSE_DOWN.setInterval(FASTEST_REPEAT_MS);
    if (held == "HDG_CW") {
        headingMoved(f, headingRepeatClockwise(f.HEADING));
    } else if (held == "HDG_CCW") {
        headingMoved(f, counterClockwise(f.HEADING, BIG_STEP));
    } else if (held == "CUR_CW") {
        cursorMoved(f, clockwise(f.CURSOR_BEARING, BIG_STEP));
    } else if (held == "CUR_CCW") {
        cursorMoved(f, counterClockwise(f.CURSOR_BEARING, BIG_STEP));
    }
}
