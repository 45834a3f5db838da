// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/Control.h"
#include "platform/FontMapping.h"
#include "platform/Twips.h"

#include <QFontMetrics>
#include <QImage>

#include <string>

// Whether a label shows the whole of a text on a 96 DPI screen.
inline bool fitsLabel(const Control& label, const std::string& text) {
    QImage screen(1, 1, QImage::Format_RGB32);
    screen.setDotsPerMeterX(3780); // 96 DPI
    screen.setDotsPerMeterY(3780);
    const QFontMetrics metrics(toQFont(label.font), &screen);
    const int width = twipsToPixels(label.width, twipsPerPixelAt(96));
    const QString shown = QString::fromStdString(text);
    return metrics.horizontalAdvance(shown) <= width && metrics.boundingRect(shown).right() < width;
}
