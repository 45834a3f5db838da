// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Types.h"
#include "display/DrawingSurface.h"

#include <optional>
#include <string>

enum class ControlKind { Frame, Label, Button };

// A control of a window as plain data. The platform view mirrors it into a
// widget after every handler; it never decides anything.
struct Control {
    std::string name;
    ControlKind kind = ControlKind::Label;
    std::string container; // name of the frame that holds it; empty: the window
    std::string caption;
    std::string tag;
    bool visible = true;
    std::optional<Colour> backColour; // none: transparent
    Colour textColour = 0;
    Long left = 0;
    Long top = 0;
    Long width = 0;
    Long height = 0;
    Font font;
};

// A control of the given kind at its design position (twips, relative to its
// container), with the default look of its kind.
inline Control placeControl(const char* name, ControlKind kind, const char* container,
                            const char* caption, Long left, Long top, Long width, Long height) {
    Control c;
    c.name = name;
    c.kind = kind;
    c.container = container;
    c.caption = caption;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    return c;
}
