#include "platform/RasterSurface.h"

#include "platform/FontMapping.h"
#include "platform/QtColours.h"
#include "platform/SurfaceHost.h"
#include "platform/Twips.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace {

constexpr double INCHES_PER_METRE = 1.0 / 0.0254;
// The dotted line style: this many pixels on, then as many off, along the line.
constexpr int DOT_RUN = 3;

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
};

// The pixels of the box with corners a and b, both included.
QRect spanning(QPoint a, QPoint b) {
    return {QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
            QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y()))};
}

} // namespace

RasterSurface::RasterSurface(double dpi, int widthPx, int heightPx)
    : twipsPerPixel_(twipsPerPixelAt(dpi)),
      image_(std::max(widthPx, 1), std::max(heightPx, 1), QImage::Format_RGB32) {
    image_.setDotsPerMeterX(static_cast<int>(std::lround(dpi * INCHES_PER_METRE)));
    image_.setDotsPerMeterY(static_cast<int>(std::lround(dpi * INCHES_PER_METRE)));
    fill();
}

void RasterSurface::setRefreshHandler(std::function<void(const QRect&)> handler) {
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
    dirty_ |= area & image_.rect();
}

void RasterSurface::clear() {
    fill();
}

void RasterSurface::setBackColour(Colour colour) {
    back_ = colour;
    fill();
}

void RasterSurface::line(Single x1, Single y1, Single dx, Single dy) {
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

    const QRgb colour = toRgb(pen.foreColour);
    uchar* bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    const std::int64_t twiceDu = 2 * std::max(line.du, std::int64_t{1});
    std::int64_t numerator = 2 * first * line.adv + line.du;
    std::int64_t q = numerator / twiceDu;
    std::int64_t r = numerator % twiceDu;
    for (std::int64_t i = first; i <= last; ++i) {
        if (!dotted || (i / DOT_RUN) % 2 == 0) {
            const std::int64_t u = line.u0 + i;
            const std::int64_t v = line.v0 + line.sv * q;
            const std::int64_t x = line.steep ? v : u;
            const std::int64_t y = line.steep ? u : v;
            reinterpret_cast<QRgb*>(bits + y * stride)[x] = colour;
        }
        r += 2 * line.adv;
        if (r >= twiceDu) {
            r -= twiceDu;
            ++q;
        }
    }
    markDirty(spanning(from, to));
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
    const QPoint centre = toPixel(x, y);
    const int r = std::abs(toPixel(radius));
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(toQColor(pen.foreColour), std::max(pen.lineWidth, 1)));
    if (pen.fillStyle == FillStyle::Solid)
        painter.setBrush(toQColor(pen.fillColour));
    else
        painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, r, r);
    const int extent = r + pen.lineWidth + 1;
    markDirty(QRect(centre.x() - extent, centre.y() - extent, 2 * extent + 1, 2 * extent + 1));
}

void RasterSurface::print(const std::string& text) {
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
    const QRect area = std::exchange(dirty_, QRect());
    if (onRefresh_) onRefresh_(area);
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
