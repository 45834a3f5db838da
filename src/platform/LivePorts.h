// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/PortSet.h"
#include "platform/QtClock.h"
#include "platform/QtSerialPort.h"
#include "platform/QtSessionClock.h"
#include "platform/QtTimer.h"
#include "session/BearingLogging.h"
#include "session/SessionRecorder.h"
#include "session/SessionWriter.h"

#include <string>

class SysfsSerialDevices;

// The real serial port on the devices the system has, its reads recorded as sessions in
// `sessionsFolder` and its DF bearings logged with the receiver's positions in `bearingLog`, the
// system clock and Qt's timers.
class LivePorts : public PortSet {
public:
    LivePorts(const SysfsSerialDevices& devices, const std::string& sessionsFolder,
              const std::string& bearingLog);

    SerialPort& serial() override { return bearingLogging_.port(); }
    Clock& clock() override { return clock_; }
    Timer& timer1() override { return timer1_; }
    Timer& timerMouseDown() override { return timerMouseDown_; }
    void setAfterEvent(std::function<void()> hook) override;
    void begin(Program& program) override;

private:
    QtSerialPort serial_;
    QtSessionClock sessionClock_;
    SessionWriter writer_;
    SessionRecorder recorder_;
    QtClock clock_;
    QtTimer timer1_;
    QtTimer timerMouseDown_;
    BearingLogging bearingLogging_;
};
