// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/Fakes.h"

#include <QImage>

#include <vector>

// Draws recorded operations with QPainter alone (lines included), on a buffer
// of the same size and twips mapping as the raster surface: the yardstick the
// raster surface's own line loop is measured against.
void replayWithPainter(const std::vector<DrawOp>& ops, QImage& image, double twipsPerPixel);
