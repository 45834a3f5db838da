// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/DrawingSurface.h"

#include <QFont>

// The font that stands in for a font of the system on this platform: "Arial"
// is drawn with the metric-compatible Liberation Sans, "Small Fonts" with a
// narrow sans. Point sizes resolve at the DPI of the device that draws.
QFont toQFont(const Font& font);
