// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ReplayPort.h"

#include <cstdio>
#include <utility>

namespace {

std::string seconds(std::int64_t milliseconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f s", static_cast<double>(milliseconds) / 1000);
    return text;
}

} // namespace

ReplayPort::ReplayPort(ReplayTimeline& timeline, Session session,
                       std::function<void(const std::string&)> onEnd)
    : timeline_(timeline), session_(std::move(session)), onEnd_(std::move(onEnd)) {
    timeline_.add(*this);
}

void ReplayPort::setReceiveHandler(std::function<void()> handler) {
    onReceive_ = std::move(handler);
}

std::string ReplayPort::readAll() {
    return std::exchange(pending_, {});
}

void ReplayPort::setPortNumber(int number) {
    if (number < 1 || number > 8) throw SerialPortError("no such port");
    portNumber_ = number;
}

void ReplayPort::setSettings(const std::string&) {}

void ReplayPort::open() {
    open_ = true;
    if (!startedAt_) startedAt_ = timeline_.now();
}

std::optional<std::int64_t> ReplayPort::due() const {
    if (!startedAt_ || ended_) return {};
    return *startedAt_ + (next_ < session_.records.size() ? session_.records[next_].milliseconds
                                                          : session_.endMilliseconds);
}

void ReplayPort::run() {
    if (next_ < session_.records.size()) {
        const SessionRecord& record = session_.records[next_++];
        if (!open_) return;
        pending_ += record.bytes;
        if (onReceive_) onReceive_();
        return;
    }
    ended_ = true;
    const std::string played = seconds(session_.endMilliseconds);
    if (onEnd_)
        onEnd_(session_.damage.empty() ? "finished after " + played
                                       : "stopped after " + played + " at " + session_.damage);
}
