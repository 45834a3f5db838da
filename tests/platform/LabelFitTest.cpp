// SPDX-License-Identifier: GPL-3.0-or-later
// The texts that the labels show stand whole in them on a 96 DPI screen.

#include "display/RangeRings.h"
#include "platform/FontMapping.h"
#include "platform/SerialOpenFailure.h"
#include "platform/Twips.h"
#include "support/TestRig.h"

#include <QFontMetrics>
#include <QImage>
#include <QMetaEnum>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

// Whether a label shows the whole of a text; a label reaching past the right
// edge of its frame is cut off there.
bool fits(form_VECTRIN& f, const Control& label, const std::string& text) {
    const auto all = f.all();
    const Control& frame = **std::ranges::find(all, label.container, &Control::name);
    QImage screen(1, 1, QImage::Format_RGB32);
    screen.setDotsPerMeterX(3780); // 96 DPI
    screen.setDotsPerMeterY(3780);
    const QFontMetrics metrics(toQFont(label.font), &screen);
    const Long visible = std::min(label.width, frame.width - label.left);
    const int width = twipsToPixels(visible, twipsPerPixelAt(96));
    const QString shown = QString::fromStdString(text);
    return metrics.horizontalAdvance(shown) <= width && metrics.boundingRect(shown).right() < width;
}

// The maker's texts, the range label up to the largest ring count, and every
// reason a port fails to open.
TEST(LabelFit, EveryTextStandsWholeInItsLabel) {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    // The measure tells a fitting text from one the label cuts short.
    ASSERT_TRUE(fits(f, f.Label_COMM, "COM8 @ 4800 BAUD"));
    ASSERT_FALSE(fits(f, f.Label_COMM, "COM1: Permission denied"));
    std::vector<std::pair<const Control*, std::string>> shown{
        {&f.Label_CREDIT_NAME, CREDIT_NAME_TEXT},
        {&f.Label_CREDIT_NAME, CREDIT_REVEALED_TEXT},
        {&f.Label_CREDIT_CONTACT, CREDIT_CONTACT_TEXT},
        {&f.Label_COPYRIGHT, COPYRIGHT_TEXT},
    };
    f.MAXVECTOR = 1e9f; // the largest count, the longest text
    RANGE_RINGS(f);
    shown.emplace_back(&f.Label_RANGE, f.Label_RANGE.caption);
    const QMetaEnum errors = QMetaEnum::fromType<QSerialPort::SerialPortError>();
    for (int i = 0; i < errors.keyCount(); ++i) // port 8: every digit is as wide
        for (const char* detail :
             {"", "Permission denied while locking the device", "Inappropriate ioctl for device"})
            shown.emplace_back(
                &f.Label_COMM,
                openFailureText(8, static_cast<QSerialPort::SerialPortError>(errors.value(i)),
                                detail));
    for (const auto& [label, text] : shown)
        EXPECT_TRUE(fits(f, *label, text)) << text;
}

} // namespace
