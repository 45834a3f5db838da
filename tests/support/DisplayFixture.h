// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/TestRig.h"

#include <optional>

// Half a twip covers the difference between the drawing's 0.017453 and the
// exact degree at the design radius.
inline constexpr float NEAR_TWIPS = 0.5f;

// The main window on fakes with the geometry of the design client area
// (9780 x 6795 twips): radius 2718 around (4890, 3647.5). Each colour slot
// holds its own number, so a colour drawn tells the slot it came from: 1
// display background, 4 azimuth background, 5 azimuth scale, 6 rings, 7
// vectors, 8 cursor.
struct OnDesignWindow : OnWindow {
    void SetUp() override {
        OnWindow::SetUp();
        f.CENTERX = 4890;
        f.CENTERY = 3647.5f;
        f.AZRADIUS = 2718;
        rig.settings.colours = {1, 2, 3, 4, 5, 6, 7, 8};
    }
    // Heading, variation and the VAR caption that the drawings turn by.
    void turn(Integer heading, Integer variation, const char* var) {
        f.HEADING = heading;
        f.HEADING_CORRECTION = variation;
        f.CmdButton_VAR.caption = var;
    }
    // The recorded operations of one kind, and of one colour unless it is
    // left out, in the order they were drawn.
    std::vector<DrawOp> opsOf(DrawOp::Kind kind, std::optional<Colour> colour = {}) const {
        std::vector<DrawOp> picked;
        for (const DrawOp& op : rig.surface.ops)
            if (op.kind == kind && (!colour || op.pen.foreColour == *colour)) picked.push_back(op);
        return picked;
    }
};
