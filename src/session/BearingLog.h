// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/BearingListener.h"
#include "session/LineSink.h"
#include "session/PositionReader.h"

#include <functional>
#include <string>

// Writes every DF bearing taken in as one line of the bearing log (see
// BearingLogFormat.h), with the receiver's position when it has a fresh one.
class BearingLog : public BearingListener {
public:
    // The local date ("yyyy-mm-dd") of a clock reading.
    using LocalDate = std::function<std::string(double clock)>;

    BearingLog(LineSink& out, const PositionReader& positions, LocalDate localDate)
        : out_(out), positions_(positions), localDate_(std::move(localDate)) {}

    void bearingTakenIn(const TakenBearing& bearing) override;

private:
    LineSink& out_;
    const PositionReader& positions_;
    LocalDate localDate_;
};
