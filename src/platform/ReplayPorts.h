// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/PortSet.h"
#include "platform/QtTimer.h"
#include "platform/ReplayDriver.h"
#include "session/ReplayPort.h"
#include "session/ReplayTime.h"

#include <memory>
#include <ostream>
#include <string>

// A recorded session played in place of the serial port, with the program's
// clock and timers running `speed` times faster than the wall clock until the
// session ends; from then on the program runs on at the normal pace. How the
// replay ended goes to `notes`. The replay takes DF data from the port
// whatever the settings file says, and leaves that file as it found it.
class ReplayPorts : public PortSet {
public:
    // Null, with the reason on `notes`, when the file cannot be read.
    static std::unique_ptr<ReplayPorts> load(const std::string& path, double speed,
                                             std::ostream& notes);

    ReplayPorts(const std::string& name, Session session, double speed, std::ostream& notes);

    SerialPort& serial() override { return port_; }
    Clock& clock() override { return clock_; }
    Timer& timer1() override { return timer1_; }
    Timer& timerMouseDown() override { return timerMouseDown_; }
    void setAfterEvent(std::function<void()> hook) override { afterEvent_ = std::move(hook); }
    void begin(Program& program) override;

    bool ended() const { return port_.ended(); }

private:
    std::function<void()> afterEvent_;
    ReplayTimeline timeline_;
    ReplayTimer timer1_{timeline_, QT_TIMER_FINEST_INTERVAL_MS};
    ReplayTimer timerMouseDown_{timeline_, QT_TIMER_FINEST_INTERVAL_MS};
    ReplayPort port_;
    ReplayClock clock_;
    ReplayDriver driver_;
};
