// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FontMapping.h"
#include "platform/Twips.h"
#include "support/TestRig.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace {

// The maker's texts stand whole in what their labels show at 96 DPI: a label
// reaching past the right edge of its frame is cut off there.
TEST(CreditTexts, StandWholeInTheirLabels) {
    TestRig rig;
    const form_VECTRIN& f = rig.f;
    const std::pair<const Control*, const char*> shown[] = {
        {&f.Label_CREDIT_NAME, CREDIT_NAME_TEXT},
        {&f.Label_CREDIT_NAME, CREDIT_REVEALED_TEXT},
        {&f.Label_CREDIT_CONTACT, CREDIT_CONTACT_TEXT},
        {&f.Label_COPYRIGHT, COPYRIGHT_TEXT},
    };
    for (const auto& [label, text] : shown) {
        const Long visible = std::min(label->width, f.Frame_TOP_RIGHT.width - label->left);
        const QFontMetrics metrics(toQFont(label->font));
        EXPECT_LE(metrics.horizontalAdvance(QString::fromUtf8(text)), twipsToPixels(visible, 15))
            << text;
    }
}

} // namespace
