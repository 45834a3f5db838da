// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ReplayPorts.h"

#include "core/Captions.h"
#include "platform/QtClock.h"
#include "settings/Program.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {
constexpr long MS_PER_DAY = 86'400'000;
}

std::unique_ptr<ReplayPorts> ReplayPorts::load(const std::string& path, double speed,
                                               std::ostream& notes) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    if (file) text << file.rdbuf();
    if (!file || file.bad()) {
        notes << "vectrin: cannot read " << path << ": " << std::strerror(errno) << std::endl;
        return nullptr;
    }
    return std::make_unique<ReplayPorts>(path, readSession(text.str()), speed, notes);
}

ReplayPorts::ReplayPorts(const std::string& name, Session session, double speed,
                         std::ostream& notes)
    : port_(timeline_, std::move(session),
            [this, name, &notes](const std::string& how) {
                notes << "vectrin: replay of " << name << " " << how << std::endl;
                driver_.setSpeed(1);
            }),
      clock_(timeline_, port_.recordedStart(),
             [](double seconds) {
                 const long ms = std::lround(seconds * 1000) % MS_PER_DAY;
                 return localTimeOfDayText(QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
             }),
      driver_(timeline_, speed, [this] {
          if (afterEvent_) afterEvent_();
      }) {}

void ReplayPorts::begin(Program& program) {
    program.keepSettingsFile();
    const form_VECTRIN& f = program.main();
    if (f.CmdButton_TEST.caption != TEST_OFF) program.click("CmdButton_TEST");
    if (f.CmdButton_ACQUIRE.caption == ACQUIRE_OFF) program.click("CmdButton_ACQUIRE");
    if (afterEvent_) afterEvent_();
    driver_.start();
}
