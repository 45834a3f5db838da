// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LivePorts.h"

#include "settings/Program.h"

#include <iostream>

namespace {
// All recorded sessions together: about a week of acquisition at a few
// bearings a second and a GPS sentence or two.
constexpr std::uintmax_t SESSIONS_SIZE_LIMIT = 200u << 20;
} // namespace

LivePorts::LivePorts(const SysfsSerialDevices& devices, const std::string& sessionsFolder,
                     const std::string& bearingLog)
    : serial_(devices), writer_(sessionsFolder, SESSIONS_SIZE_LIMIT, std::cerr),
      recorder_(serial_, sessionClock_, writer_),
      bearingLogging_(recorder_, clock_, bearingLog, std::cerr) {}

void LivePorts::setAfterEvent(std::function<void()> hook) {
    timer1_.setAfterTick(hook);
    timerMouseDown_.setAfterTick(hook);
    serial_.setAfterNotification(hook);
}

void LivePorts::begin(Program& program) {
    program.main().bearingListener = &bearingLogging_.listener();
}
