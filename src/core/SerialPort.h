// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>

// Raised when the serial port refuses an operation: a port that cannot be
// opened (missing, in use, no permission), a port number or line settings it
// does not accept. what() is the short reason the communications label shows
// ("COM1: NO ACCESS"); whole() is the whole one: the device, the system's own
// words and what to do about it.
class SerialPortError : public std::runtime_error {
public:
    explicit SerialPortError(const std::string& reason, std::string whole = {})
        : std::runtime_error(reason), whole_(whole.empty() ? reason : std::move(whole)) {}
    const std::string& whole() const { return whole_; }

private:
    std::string whole_;
};

// The serial line to the DF unit and the GPS receiver.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Called on every notification of the port (text received, and the
    // port's other notifications).
    virtual void setReceiveHandler(std::function<void()> handler) = 0;

    // All text received since the previous read; it is removed from the port.
    virtual std::string readAll() = 0;
    // Discards whatever waits in the input buffer.
    virtual void clearInput() = 0;

    virtual int portNumber() const = 0;
    // Port numbers 1..8; any other number throws SerialPortError.
    virtual void setPortNumber(int number) = 0;
    // Line settings "1200,n,8,1" .. "9600,n,8,1"; any other text throws.
    virtual void setSettings(const std::string& settings) = 0;

    virtual bool isOpen() const = 0;
    // Throws SerialPortError with the reason when the port cannot be opened.
    virtual void open() = 0;
    virtual void close() = 0;

    // While the port is closed, looks out for the device of its port number
    // and calls `present` once, from the event loop, when the device is there.
    // open(), close() and another call end the look-out; an empty function
    // only ends it. A port without a device never calls.
    virtual void awaitDevice(std::function<void()> present) = 0;
};
