// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CircleOutlines.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Outlines kept before all are forgotten: a few megabytes, more than every
// radius of a 4K screen's display.
constexpr std::size_t ROWS_KEPT_LIMIT = std::size_t{1} << 18;
// A scratch image up to this size is kept for the next outlines to read:
// enough for every radius of a 1080p display.
constexpr qsizetype SCRATCH_KEPT_LIMIT = qsizetype{4} << 20;

constexpr QRgb BLACK = 0xFF000000;

// How far beyond half the pen a pixel of QPainter's outline may stand from the
// true circle: its curves stray from the circle by about 0.03 % of the radius.
// Reading only looks for the outline this near; a run it finds is followed
// on to its ends wherever they are.
double strayAllowance(int radius) {
    return 1.0 + radius / 1024.0;
}

// The runs of set pixels of a scratch row that reach into [lo, hi], followed
// beyond lo and hi while they go on. x counts from the circle's centre, where
// `row` points, and the row runs from -limit to limit.
void runsReaching(const QRgb* row, int lo, int hi, int limit, std::vector<PixelSpan>& spans) {
    for (int x = std::max(lo, -limit); x <= std::min(hi, limit); ++x) {
        if (row[x] == BLACK) continue;
        PixelSpan span{x, x};
        while (span.from > -limit && row[span.from - 1] != BLACK)
            --span.from;
        while (span.to < limit && row[span.to + 1] != BLACK)
            ++span.to;
        if (!spans.empty() && spans.back().to + 1 >= span.from)
            spans.back().to = std::max(spans.back().to, span.to);
        else
            spans.push_back(span);
        x = span.to;
    }
}

} // namespace

QPen outlinePen(const QColor& colour, int width) {
    return QPen(colour, std::max(width, 1));
}

const OutlineRow* CircleOutline::row(int y) const {
    const int index = y - top;
    if (index < 0 || index >= static_cast<int>(rows.size())) return nullptr;
    return &rows[static_cast<std::size_t>(index)];
}

const std::optional<CircleOutline>& CircleOutlines::outline(int radius) {
    const auto found = kept_.find(radius);
    if (found != kept_.end()) return found->second;
    std::optional<CircleOutline> read = this->read(radius);
    if (read) rowsKept_ += read->rows.size();
    return kept_.emplace(radius, std::move(read)).first->second;
}

void CircleOutlines::trim() {
    if (scratch_.sizeInBytes() > SCRATCH_KEPT_LIMIT) scratch_ = QImage();
    if (rowsKept_ <= ROWS_KEPT_LIMIT) return;
    kept_.clear();
    rowsKept_ = 0;
}

// Draws the circle on the scratch image (all black), reads back the rows near
// the circle and blackens what it read.
std::optional<CircleOutline> CircleOutlines::read(int radius) {
    const double stray = penWidth_ / 2.0 + strayAllowance(radius);
    const int limit = radius + static_cast<int>(std::ceil(stray)) + 1;
    const int side = 2 * limit + 1;
    if (scratch_.width() < side) {
        // Grown by half again, so radius after radius does not make a new one
        // each time. The surface's own format: QPainter is fastest on it.
        const int grown = std::max(side, scratch_.width() * 3 / 2);
        scratch_ = QImage(grown, grown, QImage::Format_RGB32);
        scratch_.fill(Qt::black);
    }
    QPainter painter(&scratch_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(outlinePen(Qt::white, penWidth_));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPoint(limit, limit), radius, radius);
    painter.end();

    CircleOutline outline;
    bool twoSpansAtMost = true;
    std::vector<PixelSpan> spans;
    const double outer = radius + stray;
    const double inner = radius - stray;
    for (int y = -limit; y <= limit; ++y) {
        auto* row = reinterpret_cast<QRgb*>(scratch_.scanLine(limit + y)) + limit;
        // The window of x where the circle's pixels can be: from the inner
        // allowance to the outer one, on both sides of the centre.
        const double near = std::max(0, std::abs(y) - 1);
        const double far = std::abs(y) + 1;
        const int xOuter =
            static_cast<int>(std::ceil(std::sqrt(std::max(0.0, outer * outer - near * near)))) + 1;
        const int xInner =
            inner > far ? static_cast<int>(std::sqrt(inner * inner - far * far)) - 1 : 0;
        spans.clear();
        if (xInner < 1) {
            runsReaching(row, -xOuter, xOuter, limit, spans);
        } else {
            runsReaching(row, -xOuter, -xInner, limit, spans);
            runsReaching(row, xInner, xOuter, limit, spans);
        }
        for (const PixelSpan& span : spans)
            std::fill(row + span.from, row + span.to + 1, BLACK);
        if (spans.empty()) continue;
        twoSpansAtMost = twoSpansAtMost && spans.size() <= 2;
        if (outline.rows.empty()) outline.top = y;
        outline.rows.resize(static_cast<std::size_t>(y - outline.top));
        outline.rows.push_back({spans[0], spans.size() > 1 ? spans[1] : PixelSpan{}});
    }
    if (!twoSpansAtMost) return std::nullopt;
    return outline;
}
