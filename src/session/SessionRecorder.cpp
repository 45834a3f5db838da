// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/SessionRecorder.h"

#include "session/SessionFormat.h"

#include <utility>

namespace {

// "2026-12-06 13:50:39.123" names the file 2026-12-06_13-50-39.vsession.
std::string fileName(std::string dateTime) {
    dateTime = dateTime.substr(0, dateTime.find('.'));
    for (char& c : dateTime)
        if (c == ' ')
            c = '_';
        else if (c == ':')
            c = '-';
    return dateTime + ".vsession";
}

} // namespace

SessionRecorder::SessionRecorder(SerialPort& port, const SessionClock& clock, SessionWriter& writer)
    : port_(port), clock_(clock), writer_(writer) {}

void SessionRecorder::setReceiveHandler(std::function<void()> handler) {
    port_.setReceiveHandler(std::move(handler));
}

std::string SessionRecorder::readAll() {
    std::string bytes = port_.readAll();
    if (!recording_ || bytes.empty()) return bytes;
    const std::int64_t when = elapsed();
    if (!fileStarted_) writer_.startFile(fileName(openedStamp_), sessionHeader(openedStamp_));
    fileStarted_ = true;
    writer_.write(sessionRecordLine(when, bytes));
    return bytes;
}

void SessionRecorder::clearInput() {
    port_.clearInput();
}
int SessionRecorder::portNumber() const {
    return port_.portNumber();
}
void SessionRecorder::setPortNumber(int number) {
    port_.setPortNumber(number);
}
void SessionRecorder::setSettings(const std::string& settings) {
    port_.setSettings(settings);
}
bool SessionRecorder::isOpen() const {
    return port_.isOpen();
}

void SessionRecorder::open() {
    port_.open();
    if (recording_) return;
    recording_ = true;
    fileStarted_ = false;
    openedAt_ = clock_.steadyMilliseconds();
    openedStamp_ = clock_.localDateTime();
}

void SessionRecorder::close() {
    port_.close();
    if (!recording_) return;
    recording_ = false;
    if (fileStarted_) writer_.finishFile(sessionEndLine(elapsed()));
}

std::int64_t SessionRecorder::elapsed() const {
    return clock_.steadyMilliseconds() - openedAt_;
}

void SessionRecorder::awaitDevice(std::function<void()> present) {
    port_.awaitDevice(std::move(present));
}
