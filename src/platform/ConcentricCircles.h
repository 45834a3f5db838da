// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CircleOutlines.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <functional>
#include <vector>

// Draws the outlines of circles around one centre into the image, setting
// exactly the pixels that QPainter sets drawing each circle in turn with the
// outlines' pen. The cost follows the size of the circles, not their number:
// circles on every whole radius from a to b together cover what lies between
// the outer edge of b and the inner edge of a, so such a run is drawn from
// those two outlines alone; any other circle from its own outline.
//
// radii: whole pixels, ascending, each once, at most CircleOutlines::MAX_RADIUS.
// paintOne draws a circle whose outline could not be read. Returns the box of
// every pixel drawn.
QRect drawConcentricCircles(QImage& image, QPoint centre, const std::vector<int>& radii,
                            CircleOutlines& outlines, QRgb colour,
                            const std::function<void(int radius)>& paintOne);
