// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Types.h"

#include <string_view>

// A DF bearing as the cycle took it in.
struct TakenBearing {
    double clock = 0;               // seconds since local midnight when it was taken in
    Single relative = 0;            // as read from the DF message
    Integer trueBearing = 0;        // 1..360, north 360
    Integer heading = 0;            // the heading it was turned with
    std::string_view headingSource; // "MANUAL" or "GPS", as the options dialog shows it
};

// Told of every bearing the DF unit reports that the cycle takes in; the
// bearings of test mode are not real and are not reported.
class BearingListener {
public:
    virtual ~BearingListener() = default;
    virtual void bearingTakenIn(const TakenBearing& bearing) = 0;
};

// Listens to nothing: where the bearings go when nobody asked for them.
class NoBearingListener : public BearingListener {
public:
    void bearingTakenIn(const TakenBearing&) override {}
};
