// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/SerialPort.h"
#include "session/ReplayTime.h"
#include "session/SessionFormat.h"

#include <cstddef>
#include <functional>
#include <string>

// A serial port that plays a recorded session in the replay's time. The
// recording's clock starts when the port is first opened; each record then
// arrives at its time as one notification, unless the port is closed at that
// moment (a closed port hears nothing). At the end of the session, or where
// the file was damaged, `onEnd` is told how it ended, once.
class ReplayPort : public SerialPort, private ReplayEvent {
public:
    ReplayPort(ReplayTimeline& timeline, Session session,
               std::function<void(const std::string&)> onEnd);

    void setReceiveHandler(std::function<void()> handler) override;
    std::string readAll() override;
    void clearInput() override { pending_.clear(); }
    int portNumber() const override { return portNumber_; }
    void setPortNumber(int number) override;
    void setSettings(const std::string& settings) override;
    bool isOpen() const override { return open_; }
    void open() override;
    void close() override { open_ = false; }
    // A replay has no device to wait for.
    void awaitDevice(std::function<void()>) override {}

    bool ended() const { return ended_; }
    // The time of day when the recording began, seconds since midnight.
    double recordedStart() const { return session_.startSecondsSinceMidnight; }

private:
    std::optional<std::int64_t> due() const override;
    void run() override;

    ReplayTimeline& timeline_;
    Session session_;
    std::function<void(const std::string&)> onEnd_;
    std::function<void()> onReceive_;
    std::string pending_;
    std::size_t next_ = 0;
    std::optional<std::int64_t> startedAt_;
    int portNumber_ = 1;
    bool open_ = false;
    bool ended_ = false;
};
