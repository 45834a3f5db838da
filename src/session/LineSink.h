// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Where the lines of a log go, one at a time, without their line end.
class LineSink {
public:
    virtual ~LineSink() = default;
    virtual void append(std::string line) = 0;
};
