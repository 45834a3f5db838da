// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/BearingListener.h"
#include "core/Clock.h"
#include "core/DisplayState.h"
#include "core/OperatingSettings.h"
#include "core/Random.h"
#include "core/SerialPort.h"
#include "core/Timer.h"
#include "display/DrawingSurface.h"
#include "display/MainControls.h"

// The ports the main window talks through.
struct MainWindowPorts {
    DrawingSurface& surface;
    SerialPort& serial;
    Clock& clock;
    Timer& timer1;
    Timer& timerMouseDown;
};

// The main window: it owns the display state, the model of its controls and
// the ports it talks through. Its procedures are free functions over it.
struct form_VECTRIN : DisplayState, MainControls {
    form_VECTRIN(const MainWindowPorts& ports, OperatingSettings& settings);
    form_VECTRIN(const form_VECTRIN&) = delete;
    form_VECTRIN& operator=(const form_VECTRIN&) = delete;

    DrawingSurface& surface;
    SerialPort& MSComm1;
    Clock& clock;
    Timer& Timer1;
    Timer& Timer_MOUSE_DOWN;
    OperatingSettings& settings;
    UniformRandom random;
    // Told of every DF bearing taken in; nobody until the owner sets one.
    BearingListener* bearingListener = &noBearingListener;

    // The clock now, and rounded to a whole second. Every reading first
    // brings the stored times along past midnight or a clock set back, so a
    // time stored from it never mixes with times stored before.
    double clockNow();
    Long now();

    // Asks the next drawing for the azimuth scale, the cursor and the rings.
    void requestScaleRedraw() { NEWAZIMUTH = NEWCURSOR = NEWRING = true; }

    // The on/off states held in button captions.
    bool acquisitionOff() const;
    bool testModeOn() const;
    bool varOn() const;

private:
    NoBearingListener noBearingListener;
};

// The start-up step of the main window: the documented start values, in the
// documented order, with the test-mode table built between FOCUS and
// DECAY_FRACTION.
void initialiseDisplayState(form_VECTRIN& f);
