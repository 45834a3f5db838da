// SPDX-License-Identifier: GPL-3.0-or-later
// The range label shows its whole text as the rings grow, where it always stood.

#include "display/RangeRings.h"
#include "platform/FontMapping.h"
#include "platform/Twips.h"
#include "support/TestRig.h"

#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

namespace {

TEST(RangeLabel, ShowsItsWholeTextUpToTheLargestRingCountInsideItsFrame) {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    const Control& label = f.Label_RANGE;
    const int width = twipsToPixels(label.width, twipsPerPixelAt(96));
    QImage screen(1, 1, QImage::Format_RGB32);
    screen.setDotsPerMeterX(3780); // 96 DPI
    screen.setDotsPerMeterY(3780);
    const QFontMetrics metrics(toQFont(label.font), &screen);
    EXPECT_EQ(label.container, "Frame_BOTTOM_LEFT");
    EXPECT_LE(label.left + label.width, f.Frame_BOTTOM_LEFT.width);
    for (const Single peak : {0.0f, 1710.0f, 99980.0f, 1e9f}) {
        f.MAXVECTOR = peak;
        RANGE_RINGS(f);
        const QString shown = QString::fromStdString(label.caption);
        EXPECT_LE(metrics.horizontalAdvance(shown), width) << label.caption;
        EXPECT_LT(metrics.boundingRect(shown).right(), width) << label.caption;
    }
    EXPECT_EQ(label.caption, "RANGE  327670 BRGS");
}

} // namespace
