// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RasterSurface.h"

#include "platform/ConcentricCircles.h"
#include "platform/FontMapping.h"
#include "platform/QtColours.h"
#include "platform/SurfaceHost.h"
#include "platform/Twips.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <utility>
#include <vector>

namespace {

constexpr double INCHES_PER_METRE = 1.0 / 0.0254;
// The dotted line style: this many pixels on, then as many off, along the line.
constexpr int DOT_RUN = 3;
// A thin line reports what it changed in boxes of this many steps, so that a
// long slanted line changes a chain of small boxes rather than one large one.
constexpr std::int64_t REPORT_RUN = 32;
// Thin circle outlines up to this radius in pixels are drawn by the own loop;
// larger ones by QPainter, whose clipping skips the arc outside the buffer.
// The choice depends on the circle alone, so drawing it again takes the same
// way and sets the same pixels.
constexpr int LOOP_CIRCLE_LIMIT = 2048;

std::int64_t ceilDiv(std::int64_t numerator, std::int64_t positiveDivisor) {
    const std::int64_t q = numerator / positiveDivisor;
    return q + ((numerator % positiveDivisor) > 0 ? 1 : 0);
}

// A line from a to b as steps along its major axis u (one pixel each) and its
// minor axis v. Pixel i (0 <= i <= du) lies at u0 + i, v0 + sv * q(i), where
// q(i) = floor((2 i adv + du) / (2 du)): i * adv / du rounded, halves upward.
// The end points are ordered along u first, so a line and its reverse set the
// same pixels.
struct LineSteps {
    bool steep; // v is x, u is y
    std::int64_t u0, v0, du, adv, sv;

    LineSteps(QPoint a, QPoint b) {
        steep = std::abs(b.y() - a.y()) > std::abs(b.x() - a.x());
        if (steep) {
            a = a.transposed();
            b = b.transposed();
        }
        if (b.x() < a.x()) std::swap(a, b);
        u0 = a.x();
        v0 = a.y();
        du = b.x() - a.x();
        adv = std::abs(b.y() - a.y());
        sv = b.y() < a.y() ? -1 : 1;
    }

    // The steps whose minor coordinate lies in [vMin, vMax]; empty when first > last.
    std::pair<std::int64_t, std::int64_t> stepsWithin(std::int64_t vMin, std::int64_t vMax) const {
        const std::int64_t qLow = sv > 0 ? vMin - v0 : v0 - vMax;
        const std::int64_t qHigh = sv > 0 ? vMax - v0 : v0 - vMin;
        if (adv == 0)
            return qLow <= 0 && 0 <= qHigh ? std::pair{std::int64_t{0}, du}
                                           : std::pair{std::int64_t{1}, std::int64_t{0}};
        const std::int64_t first = ceilDiv(2 * du * qLow - du, 2 * adv);
        const std::int64_t last = ceilDiv(2 * du * (qHigh + 1) - du, 2 * adv) - 1;
        return {first, last};
    }

    // The minor axis offset of pixel i.
    std::int64_t minorAt(std::int64_t i) const {
        return du == 0 ? 0 : (2 * i * adv + du) / (2 * du);
    }

    QPoint pixelAt(std::int64_t i) const {
        const auto u = static_cast<int>(u0 + i);
        const auto v = static_cast<int>(v0 + sv * minorAt(i));
        return steep ? QPoint(v, u) : QPoint(u, v);
    }
};

// A position or size that is not a number or infinite stands nowhere on the
// window: the operation that gets one draws nothing.
bool allFinite(std::initializer_list<Single> values) {
    return std::all_of(values.begin(), values.end(), [](Single v) { return std::isfinite(v); });
}

// The pixels of the box with corners a and b, both included.
QRect spanning(QPoint a, QPoint b) {
    return {QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
            QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y()))};
}

// Sets pixels of a buffer to one colour and keeps the box of those that were
// another colour before.
class PixelSetter {
public:
    PixelSetter(QImage& image, QRgb colour)
        : bits_(image.bits()), stride_(image.bytesPerLine()), colour_(colour) {}

    void set(std::int64_t x, std::int64_t y) {
        QRgb& pixel = reinterpret_cast<QRgb*>(bits_ + y * stride_)[x];
        if (pixel == colour_) return;
        pixel = colour_;
        left_ = std::min(left_, x);
        right_ = std::max(right_, x);
        top_ = std::min(top_, y);
        bottom_ = std::max(bottom_, y);
    }

    // The box of the pixels changed since the last call.
    QRect takeChanged() {
        if (left_ > right_) return {};
        const QRect changed(QPoint(static_cast<int>(left_), static_cast<int>(top_)),
                            QPoint(static_cast<int>(right_), static_cast<int>(bottom_)));
        left_ = top_ = std::numeric_limits<std::int64_t>::max();
        right_ = bottom_ = std::numeric_limits<std::int64_t>::min();
        return changed;
    }

private:
    uchar* bits_;
    qsizetype stride_;
    QRgb colour_;
    std::int64_t left_ = std::numeric_limits<std::int64_t>::max();
    std::int64_t top_ = std::numeric_limits<std::int64_t>::max();
    std::int64_t right_ = std::numeric_limits<std::int64_t>::min();
    std::int64_t bottom_ = std::numeric_limits<std::int64_t>::min();
};

} // namespace

RasterSurface::RasterSurface(double dpi, int widthPx, int heightPx)
    : twipsPerPixel_(twipsPerPixelAt(dpi)),
      image_(std::max(widthPx, 1), std::max(heightPx, 1), QImage::Format_RGB32) {
    image_.setDotsPerMeterX(static_cast<int>(std::lround(dpi * INCHES_PER_METRE)));
    image_.setDotsPerMeterY(static_cast<int>(std::lround(dpi * INCHES_PER_METRE)));
    fill();
}

void RasterSurface::setRefreshHandler(std::function<void(const QRegion&)> handler) {
    onRefresh_ = std::move(handler);
}

int RasterSurface::toPixel(Single twips) const {
    return twipsToPixels(twips, twipsPerPixel_);
}

void RasterSurface::resize(int widthPx, int heightPx) {
    QImage resized(std::max(widthPx, 1), std::max(heightPx, 1), QImage::Format_RGB32);
    resized.setDotsPerMeterX(image_.dotsPerMeterX());
    resized.setDotsPerMeterY(image_.dotsPerMeterY());
    resized.fill(toRgb(back_));
    QPainter painter(&resized);
    painter.drawImage(0, 0, image_);
    painter.end();
    image_ = std::move(resized);
    markDirty(image_.rect());
}

void RasterSurface::fill() {
    image_.fill(toRgb(back_));
    markDirty(image_.rect());
}

void RasterSurface::markDirty(const QRect& area) {
    dirty_.add(area & image_.rect());
}

void RasterSurface::clear() {
    fill();
}

void RasterSurface::setBackColour(Colour colour) {
    back_ = colour;
    fill();
}

void RasterSurface::line(Single x1, Single y1, Single dx, Single dy) {
    if (!allFinite({x1, y1, dx, dy})) return;
    const QPoint from = toPixel(x1, y1);
    const QPoint to = toPixel(x1 + dx, y1 + dy);
    if (pen.lineWidth <= 1)
        thinLine(from, to, pen.lineStyle == LineStyle::Dotted);
    else
        paintedLine(from, to);
}

void RasterSurface::thinLine(QPoint from, QPoint to, bool dotted) {
    const LineSteps line(from, to);
    const std::int64_t uSize = line.steep ? image_.height() : image_.width();
    const std::int64_t vSize = line.steep ? image_.width() : image_.height();
    const auto [vFirst, vLast] = line.stepsWithin(0, vSize - 1);
    const std::int64_t first = std::max({std::int64_t{0}, -line.u0, vFirst});
    const std::int64_t last = std::min({line.du, uSize - 1 - line.u0, vLast});
    if (first > last) return;

    // The loop walks the buffer by offsets: one step along u each pixel, one
    // along v whenever the rounded minor coordinate moves on.
    auto* const pixels = reinterpret_cast<QRgb*>(image_.bits());
    const std::int64_t row = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    const std::int64_t uStep = line.steep ? row : 1;
    const std::int64_t vStep = line.sv * (line.steep ? 1 : row);
    const QPoint start = line.pixelAt(first);
    std::int64_t offset = start.y() * row + start.x();
    const QRgb colour = toRgb(pen.foreColour);
    const std::int64_t twiceDu = 2 * std::max(line.du, std::int64_t{1});
    std::int64_t r = (2 * first * line.adv + line.du) % twiceDu;
    int dotPhase = static_cast<int>(first % (2 * DOT_RUN));
    for (std::int64_t runStart = first; runStart <= last; runStart += REPORT_RUN) {
        const std::int64_t runEnd = std::min(last, runStart + REPORT_RUN - 1);
        std::int64_t firstChanged = -1;
        std::int64_t lastChanged = -1;
        for (std::int64_t i = runStart; i <= runEnd; ++i) {
            if ((!dotted || dotPhase < DOT_RUN) && pixels[offset] != colour) {
                pixels[offset] = colour;
                if (firstChanged < 0) firstChanged = i;
                lastChanged = i;
            }
            if (++dotPhase == 2 * DOT_RUN) dotPhase = 0;
            offset += uStep;
            r += 2 * line.adv;
            if (r >= twiceDu) {
                r -= twiceDu;
                offset += vStep;
            }
        }
        // Along a line both coordinates move one way only, so the first and
        // the last pixel changed span every pixel changed between them.
        if (firstChanged >= 0)
            markDirty(spanning(line.pixelAt(firstChanged), line.pixelAt(lastChanged)));
    }
}

void RasterSurface::paintedLine(QPoint from, QPoint to) {
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(
        QPen(toQColor(pen.foreColour), pen.lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(from, to);
    const int margin = pen.lineWidth;
    markDirty(spanning(from, to).adjusted(-margin, -margin, margin, margin));
}

void RasterSurface::circle(Single x, Single y, Single radius) {
    if (!allFinite({x, y, radius})) return;
    const QPoint centre = toPixel(x, y);
    const int r = std::abs(toPixel(radius));
    if (pen.lineWidth <= 1 && pen.fillStyle == FillStyle::Transparent && r <= LOOP_CIRCLE_LIMIT)
        thinCircle(centre, r);
    else
        paintedCircle(centre, r);
}

// The midpoint circle: for each step along one eighth of the outline the
// pixel nearest to the true circle, mirrored into the other seven.
void RasterSurface::thinCircle(QPoint centre, int radius) {
    const QRect buffer = image_.rect();
    if (!buffer.intersects(
            QRect(centre.x() - radius, centre.y() - radius, 2 * radius + 1, 2 * radius + 1)))
        return;
    PixelSetter pixels(image_, toRgb(pen.foreColour));
    auto plot = [&](int px, int py) {
        if (buffer.contains(px, py)) pixels.set(px, py);
    };
    const int cx = centre.x();
    const int cy = centre.y();
    int x = radius;
    int y = 0;
    int error = 1 - radius;
    while (x >= y) {
        plot(cx + x, cy + y);
        plot(cx + y, cy + x);
        plot(cx - y, cy + x);
        plot(cx - x, cy + y);
        plot(cx - x, cy - y);
        plot(cx - y, cy - x);
        plot(cx + y, cy - x);
        plot(cx + x, cy - y);
        ++y;
        if (error < 0) {
            error += 2 * y + 1;
        } else {
            --x;
            error += 2 * (y - x) + 1;
        }
    }
    markDirty(pixels.takeChanged());
}

void RasterSurface::concentricCircles(Single x, Single y, const std::vector<Single>& radii) {
    const bool rings = pen.lineWidth == RING_PEN_WIDTH && pen.fillStyle == FillStyle::Transparent &&
                       allFinite({x, y});
    std::vector<int> pixelRadii;
    pixelRadii.reserve(radii.size());
    for (const Single radius : radii) {
        if (!std::isfinite(radius)) continue;
        pixelRadii.push_back(std::abs(toPixel(radius)));
    }
    if (!std::is_sorted(pixelRadii.begin(), pixelRadii.end()))
        std::sort(pixelRadii.begin(), pixelRadii.end());
    pixelRadii.erase(std::unique(pixelRadii.begin(), pixelRadii.end()), pixelRadii.end());
    if (!rings || pixelRadii.empty() || pixelRadii.back() > CircleOutlines::MAX_RADIUS) {
        DrawingSurface::concentricCircles(x, y, radii);
        return;
    }
    // The same circle drawn twice sets the same pixels, so each whole radius
    // is drawn once.
    const QPoint centre = toPixel(x, y);
    markDirty(drawConcentricCircles(image_, centre, pixelRadii, ringOutlines_,
                                    toRgb(pen.foreColour),
                                    [&](int radius) { paintedCircle(centre, radius); }));
}

void RasterSurface::paintedCircle(QPoint centre, int r) {
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(outlinePen(toQColor(pen.foreColour), pen.lineWidth));
    if (pen.fillStyle == FillStyle::Solid)
        painter.setBrush(toQColor(pen.fillColour));
    else
        painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, r, r);
    const int extent = r + pen.lineWidth + 1;
    markDirty(QRect(centre.x() - extent, centre.y() - extent, 2 * extent + 1, 2 * extent + 1));
}

void RasterSurface::print(const std::string& text) {
    if (!allFinite({pen.textX, pen.textY})) return;
    const QPoint topLeft = toPixel(pen.textX, pen.textY);
    const QString qtext = QString::fromStdString(text);
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(toQFont(pen.font));
    painter.setPen(toQColor(pen.foreColour));
    const QFontMetrics metrics = painter.fontMetrics();
    painter.drawText(topLeft.x(), topLeft.y() + metrics.ascent(), qtext);
    markDirty(QRect(topLeft, QSize(metrics.horizontalAdvance(qtext), metrics.height()))
                  .adjusted(-2, -2, 2, 2));
}

void RasterSurface::refresh() {
    if (dirty_.isEmpty()) return;
    const QRegion changed = dirty_.take();
    if (onRefresh_) onRefresh_(changed);
}

TwipsSize RasterSurface::clientSize() const {
    return {static_cast<Single>(image_.width() * twipsPerPixel_),
            static_cast<Single>(image_.height() * twipsPerPixel_)};
}

TwipsSize RasterSurface::windowSize() const {
    if (!host_) return clientSize();
    const QSize outer = host_->outerSize();
    return {static_cast<Single>(outer.width() * twipsPerPixel_),
            static_cast<Single>(outer.height() * twipsPerPixel_)};
}

void RasterSurface::setWindowState(WindowState state) {
    if (host_) host_->applyWindowState(state);
}
