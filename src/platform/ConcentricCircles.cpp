// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ConcentricCircles.h"

#include <algorithm>

namespace {

// Paints spans of rows given relative to a centre, clipped to the image.
class SpanPainter {
public:
    SpanPainter(QImage& image, QPoint centre, QRgb colour)
        : bits_(image.bits()), stride_(image.bytesPerLine()), width_(image.width()),
          height_(image.height()), centre_(centre), colour_(colour) {}

    void paint(int y, PixelSpan span) {
        const int row = centre_.y() + y;
        if (span.empty() || row < 0 || row >= height_) return;
        const int from = std::max(centre_.x() + span.from, 0);
        const int to = std::min(centre_.x() + span.to, width_ - 1);
        if (from > to) return;
        auto* pixels = reinterpret_cast<QRgb*>(bits_ + row * stride_);
        std::fill(pixels + from, pixels + to + 1, colour_);
    }

    void paint(const CircleOutline& outline) {
        int y = outline.top;
        for (const OutlineRow& row : outline.rows) {
            paint(y, row.first);
            paint(y++, row.second);
        }
    }

    // Everything within the outer edge of `outer` and outside the inner edge
    // of `inner`.
    void paintBetween(const CircleOutline& inner, const CircleOutline& outer) {
        int y = outer.top;
        for (const OutlineRow& row : outer.rows) {
            const PixelSpan extent = row.extent();
            const OutlineRow* innerRow = inner.row(y);
            const PixelSpan hole = innerRow ? innerRow->hole() : PixelSpan{};
            if (hole.empty()) {
                paint(y++, extent);
                continue;
            }
            paint(y, {extent.from, hole.from - 1});
            paint(y++, {hole.to + 1, extent.to});
        }
    }

private:
    uchar* bits_;
    qsizetype stride_;
    int width_;
    int height_;
    QPoint centre_;
    QRgb colour_;
};

} // namespace

QRect drawConcentricCircles(QImage& image, QPoint centre, const std::vector<int>& radii,
                            CircleOutlines& outlines, QRgb colour,
                            const std::function<void(int radius)>& paintOne) {
    if (radii.empty()) return {};
    // The largest outline first: a scratch image for reading outlines is then
    // made once, at its full size.
    outlines.outline(radii.back());
    SpanPainter painter(image, centre, colour);
    auto single = [&](int radius) {
        if (const auto& outline = outlines.outline(radius))
            painter.paint(*outline);
        else
            paintOne(radius);
    };
    for (std::size_t first = 0; first < radii.size();) {
        std::size_t last = first;
        while (last + 1 < radii.size() && radii[last + 1] == radii[last] + 1)
            ++last;
        const auto& inner = outlines.outline(radii[first]);
        const auto& outer = outlines.outline(radii[last]);
        if (last > first && inner && outer) {
            painter.paintBetween(*inner, *outer);
        } else {
            for (std::size_t k = first; k <= last; ++k)
                single(radii[k]);
        }
        first = last + 1;
    }
    outlines.trim();
    const int extent = radii.back() + outlines.penWidth() + 2;
    return {centre.x() - extent, centre.y() - extent, 2 * extent + 1, 2 * extent + 1};
}
