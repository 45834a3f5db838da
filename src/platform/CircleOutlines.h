// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPen>

#include <cstddef>
#include <optional>
#include <unordered_map>
#include <vector>

// The pen the raster surface outlines its wide circles with.
QPen outlinePen(const QColor& colour, int width);

// A run of pixels in a row, both ends included; empty when from > to.
struct PixelSpan {
    int from = 0;
    int to = -1;
    bool empty() const { return from > to; }
};

// One row of a circle outline: one span across the circle, or two with the
// hole of the circle between them.
struct OutlineRow {
    PixelSpan first;
    PixelSpan second;
    // From the first pixel of the row to the last, hole included.
    PixelSpan extent() const { return {first.from, second.empty() ? first.to : second.to}; }
    PixelSpan hole() const {
        return second.empty() ? PixelSpan{} : PixelSpan{first.to + 1, second.from - 1};
    }
};

// The pixels of one circle outline around a whole-pixel centre, row by row
// from the top; x and y are relative to the centre.
struct CircleOutline {
    int top = 0; // y of rows[0]
    std::vector<OutlineRow> rows;
    // The row at y; null outside the outline.
    const OutlineRow* row(int y) const;
};

// The outlines QPainter draws, without antialiasing, for circles of a whole
// radius around a whole-pixel centre with a pen of one width. Each radius is
// drawn once on a scratch image and read back, so an outline put together
// from these rows sets exactly the pixels QPainter sets.
class CircleOutlines {
public:
    // Up to the display of a 4K screen; the scratch image for reading the
    // largest takes 17 MB while it is read.
    static constexpr int MAX_RADIUS = 1024;

    explicit CircleOutlines(int penWidth) : penWidth_(penWidth) {}
    int penWidth() const { return penWidth_; }

    // The outline of a radius of 0..MAX_RADIUS; none when a row of QPainter's
    // outline holds more than two spans. Stays valid until the next trim().
    const std::optional<CircleOutline>& outline(int radius);
    // Lets a large scratch image go, and every outline once they hold more
    // than a few megabytes.
    void trim();

private:
    std::optional<CircleOutline> read(int radius);

    int penWidth_;
    QImage scratch_;
    std::unordered_map<int, std::optional<CircleOutline>> kept_;
    std::size_t rowsKept_ = 0;
};
