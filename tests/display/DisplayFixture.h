#pragma once

#include "support/TestRig.h"

#include <gtest/gtest.h>

#include <vector>

// Half a twip covers the difference between the drawing's 0.017453 and the
// exact degree at the design radius.
inline constexpr float NEAR_TWIPS = 0.5f;

// The main window on fakes with the geometry of the design client area
// (9780 x 6795 twips): radius 2718 around (4890, 3647.5).
struct OnDesignWindow : ::testing::Test {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    void SetUp() override {
        f.CENTERX = 4890;
        f.CENTERY = 3647.5f;
        f.AZRADIUS = 2718;
    }
};

// Picks the recorded operations of one kind, in the order they were drawn.
inline std::vector<DrawOp> opsOf(const RecordingSurface& surface, DrawOp::Kind kind) {
    std::vector<DrawOp> picked;
    for (const DrawOp& op : surface.ops)
        if (op.kind == kind) picked.push_back(op);
    return picked;
}

// Lines drawn in one colour.
inline std::vector<DrawOp> linesIn(const RecordingSurface& surface, Colour colour) {
    std::vector<DrawOp> picked;
    for (const DrawOp& op : opsOf(surface, DrawOp::Line))
        if (op.pen.foreColour == colour) picked.push_back(op);
    return picked;
}
