// SPDX-License-Identifier: GPL-3.0-or-later
// RECALL of a memory that was never saved: an empty picture on one ring, with
// every position handed to the surface a finite number.

#include "KeyPress.h"
#include "core/Executive.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

bool finite(const DrawOp& op) {
    for (const Single v : {op.x, op.y, op.dx, op.dy, op.radius, op.pen.textX, op.pen.textY})
        if (!std::isfinite(v)) return false;
    return true;
}

TEST(RecallNeverSaved, ShowsAnEmptyPictureOnOneRingWithFiniteCoordinates) {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    f.BRG_SUM[90] = f.MAXVECTOR = 42;
    rig.timer1.fire();
    ASSERT_EQ(f.RINGCOUNT, 5);
    rig.surface.ops.clear();

    pressKey(rig, topRow(4));
    pressKey(rig, topRow(7));
    EXPECT_EQ(f.RINGCOUNT, 1);
    EXPECT_EQ(f.MAXVECTOR, 0);
    EXPECT_EQ(f.Label_RANGE.caption, "RANGE  10 BRGS");
    ASSERT_TRUE(cycleRan(rig));
    for (const DrawOp& op : rig.surface.ops)
        EXPECT_TRUE(finite(op)) << "operation " << op.kind;
}

} // namespace
