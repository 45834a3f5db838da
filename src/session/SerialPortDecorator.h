// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/SerialPort.h"

#include <utility>

// A serial port that hands every operation on to another one; a decorator
// overrides what it adds to.
class SerialPortDecorator : public SerialPort {
public:
    explicit SerialPortDecorator(SerialPort& inner) : inner_(inner) {}

    void setReceiveHandler(std::function<void()> handler) override {
        inner_.setReceiveHandler(std::move(handler));
    }
    std::string readAll() override { return inner_.readAll(); }
    void clearInput() override { inner_.clearInput(); }
    int portNumber() const override { return inner_.portNumber(); }
    void setPortNumber(int number) override { inner_.setPortNumber(number); }
    void setSettings(const std::string& settings) override { inner_.setSettings(settings); }
    bool isOpen() const override { return inner_.isOpen(); }
    void open() override { inner_.open(); }
    void close() override { inner_.close(); }
    void awaitDevice(std::function<void()> present) override {
        inner_.awaitDevice(std::move(present));
    }

protected:
    SerialPort& inner_;
};
