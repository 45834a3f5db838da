// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Clock.h"
#include "session/PositionReader.h"
#include "session/SerialPortDecorator.h"

// The serial port as the program sees it, with every text read from it also
// handed to a position reader, stamped with the clock.
class PositionTap : public SerialPortDecorator {
public:
    PositionTap(SerialPort& inner, PositionReader& reader, const Clock& clock)
        : SerialPortDecorator(inner), reader_(reader), clock_(clock) {}

    std::string readAll() override {
        std::string text = inner_.readAll();
        reader_.feed(text, clock_.secondsSinceMidnight());
        return text;
    }

private:
    PositionReader& reader_;
    const Clock& clock_;
};
