// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Clock.h"
#include "core/SerialPort.h"
#include "core/Timer.h"
#include "display/DrawingSurface.h"
#include "settings/ColourPicker.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

// A serial port the test pushes text into; deliver() raises the notification.
class FakeSerialPort : public SerialPort {
public:
    void setReceiveHandler(std::function<void()> handler) override {
        handler_ = std::move(handler);
    }
    std::string readAll() override { return std::exchange(pending, {}); }
    void clearInput() override { pending.clear(); }
    int portNumber() const override { return port; }
    void setPortNumber(int number) override {
        if (number < 1 || number > 8) throw SerialPortError("no such port");
        port = number;
    }
    void setSettings(const std::string& text) override { settings = text; }
    bool isOpen() const override { return open_; }
    void open() override {
        awaited = {};
        if (failOpen) throw SerialPortError(failReason, failWhole);
        open_ = true;
        ++opens;
    }
    void close() override {
        awaited = {};
        open_ = false;
    }
    void awaitDevice(std::function<void()> present) override { awaited = std::move(present); }

    // The device of the port is there: the port says so if it was asked to.
    void deviceAppears() {
        if (auto present = std::exchange(awaited, {})) present();
    }

    // Text arrives on the line: the port notifies its owner.
    void deliver(const std::string& text) {
        pending += text;
        if (handler_) handler_();
    }

    std::string pending;
    int port = 1;
    std::string settings = "4800,n,8,1";
    bool failOpen = false;
    std::string failReason = "COM1: NOT FOUND";
    std::string failWhole; // the whole reason; empty: the short one
    int opens = 0;
    std::function<void()> awaited; // the look-out for the device, while asked for

private:
    std::function<void()> handler_;
    bool open_ = false;
};

// A clock the test sets; time moves only because the test moves it.
class FakeClock : public Clock {
public:
    double secondsSinceMidnight() const override { return seconds; }
    std::string timeOfDayText() const override { return "10:00:00 AM"; }
    double seconds = 36000.0;
};

class FakeTimer : public Timer {
public:
    void setTickHandler(std::function<void()> handler) override { handler_ = std::move(handler); }
    void setInterval(int milliseconds) override { interval_ = milliseconds; }
    int interval() const override { return interval_; }
    void setEnabled(bool on) override { enabled_ = on; }
    bool enabled() const override { return enabled_; }
    // The timer elapses once (only while enabled, as a real timer would).
    void fire() {
        if (enabled_ && handler_) handler_();
    }

private:
    std::function<void()> handler_;
    int interval_ = 0;
    bool enabled_ = false;
};

// One drawing operation as the surface received it, with the pen it used.
struct DrawOp {
    enum Kind { Clear, Line, Circle, Print, SetBackColour, Refresh } kind = Clear;
    PenState pen{};
    Single x = 0, y = 0, dx = 0, dy = 0, radius = 0;
    std::string text{};
};

// Records every operation; for tests of what was drawn, in which order.
class RecordingSurface : public DrawingSurface {
public:
    void clear() override { ops.push_back({.kind = DrawOp::Clear, .pen = pen}); }
    void line(Single x1, Single y1, Single dx, Single dy) override {
        ops.push_back({.kind = DrawOp::Line, .pen = pen, .x = x1, .y = y1, .dx = dx, .dy = dy});
    }
    void circle(Single x, Single y, Single radius) override {
        ops.push_back({.kind = DrawOp::Circle, .pen = pen, .x = x, .y = y, .radius = radius});
    }
    void print(const std::string& text) override {
        ops.push_back({.kind = DrawOp::Print, .pen = pen, .text = text});
    }
    void setBackColour(Colour colour) override {
        back = colour;
        ops.push_back({.kind = DrawOp::SetBackColour, .pen = pen});
    }
    Colour backColour() const override { return back; }
    void refresh() override { ops.push_back({.kind = DrawOp::Refresh, .pen = pen}); }
    TwipsSize clientSize() const override { return client; }
    TwipsSize windowSize() const override { return window; }
    void setWindowState(WindowState) override {}

    std::vector<DrawOp> ops;
    TwipsSize client{9780, 6795};
    TwipsSize window{9900, 7200};
    Colour back = 0;
};

// A colour picker whose operator accepts `choice`.
class FakeColourPicker : public ColourPicker {
public:
    void setFlags(int value) override { flags = value; }
    void setColour(Colour value) override { colour_ = value; }
    void show() override {
        shownOn = colour_;
        colour_ = choice;
    }
    Colour colour() const override { return colour_; }

    int flags = 0;
    Colour shownOn = 0; // the colour the picker opened on
    Colour choice = 0;

private:
    Colour colour_ = 0;
};
