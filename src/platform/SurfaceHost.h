// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/DrawingSurface.h"

#include <QSize>

// The window that shows a raster surface: it knows its outer size and takes
// window-state changes.
class SurfaceHost {
public:
    virtual ~SurfaceHost() = default;
    // Outer size in pixels, borders and title bar included.
    virtual QSize outerSize() const = 0;
    // Normal or maximized; a change of size raises the window's resize event.
    virtual void applyWindowState(WindowState state) = 0;
};
