// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/DrawingSurface.h"
#include "platform/CircleOutlines.h"
#include "platform/DirtyRegion.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>

#include <functional>

class SurfaceHost;

// The drawing surface as a persistent back buffer in memory. Every operation
// maps twips to pixels through the same rounding, so drawing an element again
// in the background colour erases exactly the pixels it set. One-pixel lines
// and one-pixel circle outlines are drawn by loops of their own into the
// buffer's scanlines; wider lines, filled and wide circles and text go through
// QPainter without antialiasing. Refresh hands on only what changed since the
// previous one: the own loops count a pixel only when they change it, so an
// element drawn again over itself adds nothing. Many two-pixel circles around
// one centre are drawn at once from QPainter's outlines (ConcentricCircles),
// at a cost that does not grow with their number. Works without a window:
// refresh then only forgets what was drawn.
class RasterSurface : public DrawingSurface {
public:
    // dpi: logical dots per inch of the screen (96 gives 15 twips per pixel).
    explicit RasterSurface(double dpi, int widthPx = 0, int heightPx = 0);

    // The window that shows the buffer; null: none (window size = client size).
    void setHost(SurfaceHost* host) { host_ = host; }
    // Called by refresh with the area changed since the previous refresh.
    void setRefreshHandler(std::function<void(const QRegion&)> handler);

    // A new buffer size in pixels; what fits of the old content is kept and the
    // rest takes the back colour.
    void resize(int widthPx, int heightPx);

    const QImage& image() const { return image_; }
    double twipsPerPixel() const { return twipsPerPixel_; }
    // The pixel that a twips position falls on.
    QPoint toPixel(Single x, Single y) const { return {toPixel(x), toPixel(y)}; }
    int toPixel(Single twips) const;

    void clear() override;
    void line(Single x1, Single y1, Single dx, Single dy) override;
    void circle(Single x, Single y, Single radius) override;
    void concentricCircles(Single x, Single y, const std::vector<Single>& radii) override;
    void print(const std::string& text) override;
    void setBackColour(Colour colour) override;
    Colour backColour() const override { return back_; }
    void refresh() override;
    TwipsSize clientSize() const override;
    TwipsSize windowSize() const override;
    void setWindowState(WindowState state) override;

private:
    // The pen width of the circles that concentricCircles draws at once.
    static constexpr int RING_PEN_WIDTH = 2;

    void fill();
    void markDirty(const QRect& area);
    void thinLine(QPoint from, QPoint to, bool dotted);
    void paintedLine(QPoint from, QPoint to);
    void thinCircle(QPoint centre, int radius);
    void paintedCircle(QPoint centre, int radius);

    double twipsPerPixel_;
    QImage image_;
    Colour back_ = 0;
    DirtyRegion dirty_;
    SurfaceHost* host_ = nullptr;
    std::function<void(const QRegion&)> onRefresh_;
    CircleOutlines ringOutlines_{RING_PEN_WIDTH};
};
