// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Types.h"

#include <string>
#include <vector>

enum class FillStyle { Solid = 0, Transparent = 1 };
enum class LineStyle { Solid = 0, Dotted = 2 };

struct Font {
    std::string name = "Arial";
    Single points = 8.25f;
    bool bold = false;
    bool italic = false;
    bool operator==(const Font&) const = default;
};

// The pen state: every drawing operation uses it as it stands.
struct PenState {
    Colour foreColour = 0;
    Colour fillColour = 0;
    FillStyle fillStyle = FillStyle::Transparent;
    int lineWidth = 1; // device pixels
    LineStyle lineStyle = LineStyle::Solid;
    Font font;
    Single textX = 0; // top-left corner of the next printed text
    Single textY = 0;
};

struct TwipsSize {
    Single width = 0;
    Single height = 0;
};

enum class WindowState { Normal = 0, Maximized = 2 };

// The main window's client area as a persistent raster with a pen state.
// Coordinates are twips from the top-left corner of the client area, y down;
// an operation given a position or size that is not finite draws nothing.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    PenState pen;

    // Paints the whole client area in the back colour.
    virtual void clear() = 0;
    // A straight line from (x1, y1) to (x1 + dx, y1 + dy).
    virtual void line(Single x1, Single y1, Single dx, Single dy) = 0;
    // A full circle outline; its interior is filled while the fill style is solid.
    virtual void circle(Single x, Single y, Single radius) = 0;
    // Circles around one centre, as circle() draws each of them in turn; a
    // surface may draw many at once for less.
    virtual void concentricCircles(Single x, Single y, const std::vector<Single>& radii) {
        for (const Single radius : radii)
            circle(x, y, radius);
    }
    // Text at the text position, transparent background.
    virtual void print(const std::string& text) = 0;
    // The window background and the colour of clear; repaints the whole surface.
    virtual void setBackColour(Colour colour) = 0;
    virtual Colour backColour() const = 0;
    // Brings what was drawn since the last refresh on screen.
    virtual void refresh() = 0;

    virtual TwipsSize clientSize() const = 0;
    // Outer size of the window, borders and title bar included.
    virtual TwipsSize windowSize() const = 0;
    // A change of size raises the resize event.
    virtual void setWindowState(WindowState state) = 0;
};
