// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/form_VECTRIN.h"

#include "core/Captions.h"
#include "core/ClockFollowing.h"
#include "core/Executive.h"
#include "core/Numbers.h"
#include "core/Simulate.h"

form_VECTRIN::form_VECTRIN(const MainWindowPorts& ports, OperatingSettings& operating)
    : MainControls(operating), surface(ports.surface), MSComm1(ports.serial), clock(ports.clock),
      Timer1(ports.timer1), Timer_MOUSE_DOWN(ports.timerMouseDown), settings(operating) {
    MSComm1.setReceiveHandler([this] { MSComm1_OnComm(*this); });
    Timer1.setTickHandler([this] { Timer1_Timer(*this); });
    Timer1.setInterval(50);
    Timer1.setEnabled(true);
    Timer_MOUSE_DOWN.setInterval(1000);
    Timer_MOUSE_DOWN.setEnabled(false);
}

double form_VECTRIN::clockNow() {
    const double reading = clock.secondsSinceMidnight();
    followTheClock(*this, reading);
    return reading;
}

Long form_VECTRIN::now() {
    return nowRounded(clockNow());
}

bool form_VECTRIN::acquisitionOff() const {
    return CmdButton_ACQUIRE.caption == ACQUIRE_OFF;
}
bool form_VECTRIN::testModeOn() const {
    return CmdButton_TEST.caption == TEST_ON;
}
bool form_VECTRIN::varOn() const {
    return CmdButton_VAR.caption == VAR_ON;
}

void initialiseDisplayState(form_VECTRIN& f) {
    f.SECTOR_WIDTH = 4;
    f.NEWAZIMUTH = true;
    f.NEWCURSOR = true;
    f.RINGCOUNT = 1;
    f.DF_TIMER = true;
    f.DF_TIME = f.now();
    f.SIMULATE_TIMER = true;
    f.ROLLOVER = f.now();
    f.WIN_SIZE = 1;
    f.GPS_TIME = f.now();
    f.FOCUS = 2.5f;
    SIMULATE(f);
    f.DECAY_FRACTION = 0.9f;
}
