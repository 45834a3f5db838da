// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Types.h"

// The platform's colour picker, shown modally.
class ColourPicker {
public:
    virtual ~ColourPicker() = default;
    virtual void setFlags(int flags) = 0;
    virtual void setColour(Colour colour) = 0;
    // Waits until the operator accepts a colour or cancels; on cancel the
    // colour stays as set.
    virtual void show() = 0;
    virtual Colour colour() const = 0;
};
