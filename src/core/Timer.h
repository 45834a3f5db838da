// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// A repeating timer on the event thread.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void setTickHandler(std::function<void()> handler) = 0;
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
};
