// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSocketNotifier>

#include <functional>
#include <memory>

// SIGTERM, SIGHUP and SIGINT end the program from outside (a shutdown, a
// closed terminal, Ctrl+C). Each is taken from the event loop, never inside
// the signal handler: the handler only writes a byte down a pipe, and the
// loop calls `onEnd` when it reads it. One instance per process; the
// handlers go back to the defaults when it is destroyed.
class EndSignals {
public:
    explicit EndSignals(std::function<void()> onEnd);
    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;
    ~EndSignals();

private:
    std::function<void()> onEnd_;
    std::unique_ptr<QSocketNotifier> notifier_;
};
