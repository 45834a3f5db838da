// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/PortSet.h"
#include "platform/QtClock.h"
#include "platform/QtSerialPort.h"
#include "platform/QtSessionClock.h"
#include "platform/QtTimer.h"
#include "session/SessionRecorder.h"
#include "session/SessionWriter.h"

#include <string>

// The real serial port, its reads recorded as sessions in `sessionsFolder`,
// the system clock and Qt's timers.
class LivePorts : public PortSet {
public:
    explicit LivePorts(const std::string& sessionsFolder);

    SerialPort& serial() override { return recorder_; }
    Clock& clock() override { return clock_; }
    Timer& timer1() override { return timer1_; }
    Timer& timerMouseDown() override { return timerMouseDown_; }
    void setAfterEvent(std::function<void()> hook) override;
    void begin(Program&) override {}

private:
    QtSerialPort serial_;
    QtSessionClock sessionClock_;
    SessionWriter writer_;
    SessionRecorder recorder_;
    QtClock clock_;
    QtTimer timer1_;
    QtTimer timerMouseDown_;
};
