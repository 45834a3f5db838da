// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Types.h"

#include <QColor>

// The system's colours are 0x00BBGGRR (red in the low byte); Qt's are 0xAARRGGBB.
inline QRgb toRgb(Colour colour) {
    return qRgb(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

inline QColor toQColor(Colour colour) {
    return QColor::fromRgb(toRgb(colour));
}

inline Colour fromRgb(QRgb rgb) {
    return static_cast<Colour>(qRed(rgb)) | static_cast<Colour>(qGreen(rgb)) << 8 |
           static_cast<Colour>(qBlue(rgb)) << 16;
}

inline Colour fromQColor(const QColor& colour) {
    return fromRgb(colour.rgb());
}
