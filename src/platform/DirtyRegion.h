// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QRegion>

#include <array>

// The part of the back buffer drawn since it was last shown, kept cheap: at
// most CAPACITY rectangles. A rectangle inside one already held adds nothing;
// one more than the capacity makes the two rectangles whose common box grows
// least become that box. The region always covers every rectangle added.
class DirtyRegion {
public:
    static constexpr int CAPACITY = 16;

    void add(const QRect& area);
    bool isEmpty() const { return count_ == 0; }
    // The region held, which is then forgotten.
    QRegion take();

private:
    void put(const QRect& cover);
    void mergeCheapestPair();

    std::array<QRect, CAPACITY + 1> rects_;
    int count_ = 0;
};
