// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DirtyRegion.h"

#include <cstdint>
#include <limits>

namespace {

std::int64_t areaOf(const QRect& r) {
    return std::int64_t{r.width()} * r.height();
}

} // namespace

void DirtyRegion::add(const QRect& area) {
    if (area.isEmpty()) return;
    for (int i = 0; i < count_; ++i)
        if (rects_[i].contains(area)) return;
    put(area);
    if (count_ > CAPACITY) mergeCheapestPair();
}

QRegion DirtyRegion::take() {
    QRegion region;
    for (int i = 0; i < count_; ++i)
        region += rects_[i];
    count_ = 0;
    return region;
}

// Holds `cover` and forgets the rectangles inside it.
void DirtyRegion::put(const QRect& cover) {
    int kept = 0;
    for (int i = 0; i < count_; ++i)
        if (!cover.contains(rects_[i])) rects_[kept++] = rects_[i];
    rects_[kept] = cover;
    count_ = kept + 1;
}

// The pair whose bounding box adds the fewest pixels to the two of them
// becomes that box.
void DirtyRegion::mergeCheapestPair() {
    QRect cheapest;
    std::int64_t leastGrowth = std::numeric_limits<std::int64_t>::max();
    for (int i = 0; i < count_; ++i) {
        for (int j = i + 1; j < count_; ++j) {
            const QRect merged = rects_[i] | rects_[j];
            const std::int64_t growth = areaOf(merged) - areaOf(rects_[i]) - areaOf(rects_[j]);
            if (growth < leastGrowth) {
                leastGrowth = growth;
                cheapest = merged;
            }
        }
    }
    put(cheapest);
}
