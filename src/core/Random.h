// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Types.h"

#include <random>

// A uniform generator of Singles in [0, 1) that starts from the same fixed
// state at every start of the program, so the test-mode table is always the same.
class UniformRandom {
public:
    Single next() {
        // 24 random bits give every float in [0, 1) on a 2^-24 grid, never 1.
        return static_cast<Single>(engine_() >> 8) * (1.0f / 16777216.0f);
    }

private:
    std::mt19937 engine_{20261206u};
};
