// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/SerialPort.h"
#include "session/SessionClock.h"
#include "session/SessionWriter.h"

#include <cstdint>
#include <string>

// A serial port that records what its owner reads from the port it wraps:
// each opening of the port that reads anything makes one session file, named
// after the local date and time of the opening; each read is a record stamped
// with the milliseconds since the opening, and closing the port ends the file.
// Everything else is passed on.
class SessionRecorder : public SerialPort {
public:
    SessionRecorder(SerialPort& port, const SessionClock& clock, SessionWriter& writer);

    void setReceiveHandler(std::function<void()> handler) override;
    std::string readAll() override;
    void clearInput() override;
    int portNumber() const override;
    void setPortNumber(int number) override;
    void setSettings(const std::string& settings) override;
    bool isOpen() const override;
    void open() override;
    void close() override;
    void awaitDevice(std::function<void()> present) override;

private:
    std::int64_t elapsed() const;

    SerialPort& port_;
    const SessionClock& clock_;
    SessionWriter& writer_;
    std::int64_t openedAt_ = 0;
    std::string openedStamp_;
    bool recording_ = false;
    bool fileStarted_ = false;
};
