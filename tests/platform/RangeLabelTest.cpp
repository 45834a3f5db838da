// SPDX-License-Identifier: GPL-3.0-or-later
// The range label shows its whole text as the rings grow, where it always stood.

#include "display/RangeRings.h"
#include "platform/LabelFit.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

namespace {

TEST(RangeLabel, ShowsItsWholeTextUpToTheLargestRingCountInsideItsFrame) {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    const Control& label = f.Label_RANGE;
    EXPECT_EQ(label.container, "Frame_BOTTOM_LEFT");
    EXPECT_LE(label.left + label.width, f.Frame_BOTTOM_LEFT.width);
    for (const Single peak : {0.0f, 1710.0f, 99980.0f, 1e9f}) {
        f.MAXVECTOR = peak;
        RANGE_RINGS(f);
        EXPECT_TRUE(fitsLabel(label, label.caption)) << label.caption;
    }
    EXPECT_EQ(label.caption, "RANGE  327670 BRGS");
}

} // namespace
