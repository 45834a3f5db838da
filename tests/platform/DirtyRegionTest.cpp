#include "platform/DirtyRegion.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

int pixelCount(const QRegion& region) {
    int n = 0;
    for (const QRect& r : region)
        n += r.width() * r.height();
    return n;
}

TEST(DirtyRegion, HoldsNothingUntilSomethingIsAddedAndForgetsWhatItHandsOut) {
    DirtyRegion dirty;
    EXPECT_TRUE(dirty.isEmpty());
    dirty.add(QRect());
    dirty.add(QRect(5, 5, 0, 3));
    EXPECT_TRUE(dirty.isEmpty());
    dirty.add(QRect(1, 2, 3, 4));
    EXPECT_FALSE(dirty.isEmpty());
    EXPECT_EQ(dirty.take(), QRegion(1, 2, 3, 4));
    EXPECT_TRUE(dirty.isEmpty());
    EXPECT_TRUE(dirty.take().isEmpty());
}

TEST(DirtyRegion, FewRectanglesAreHeldAsTheyAre) {
    DirtyRegion dirty;
    dirty.add(QRect(0, 0, 10, 10));
    dirty.add(QRect(1000, 500, 10, 10));
    dirty.add(QRect(2, 2, 5, 5)); // inside the first
    const QRegion region = dirty.take();
    EXPECT_EQ(pixelCount(region), 200);
    EXPECT_TRUE(region.contains(QRect(1000, 500, 10, 10)));
}

// Past the capacity, neighbours that touch merge before far ones do.
TEST(DirtyRegion, AChainOfPiecesBeyondTheCapacityStaysAsSmallAsTheChain) {
    DirtyRegion dirty;
    dirty.add(QRect(900, 900, 8, 8));
    for (int i = 0; i < 3 * DirtyRegion::CAPACITY; ++i)
        dirty.add(QRect(100, i * 32, 1, 32)); // a vertical line in pieces
    dirty.add(QRect(1900, 20, 8, 8));
    const QRegion region = dirty.take();
    EXPECT_EQ(pixelCount(region), 3 * DirtyRegion::CAPACITY * 32 + 2 * 64);
}

TEST(DirtyRegion, ScatteredRectanglesAreAlwaysCovered) {
    std::mt19937 rng(17);
    std::uniform_int_distribution<int> pos(-50, 2000), size(1, 120), count(1, 80);
    for (int round = 0; round < 200; ++round) {
        DirtyRegion dirty;
        std::vector<QRect> added;
        const int n = count(rng);
        for (int i = 0; i < n; ++i) {
            added.emplace_back(pos(rng), pos(rng), size(rng), size(rng));
            dirty.add(added.back());
        }
        const QRegion region = dirty.take();
        for (const QRect& r : added)
            ASSERT_TRUE(region.contains(r)) << "round " << round;
        // Merging never reaches beyond the added rectangles' common box.
        QRect all;
        for (const QRect& r : added)
            all |= r;
        EXPECT_EQ(region.boundingRect(), all);
    }
}

} // namespace
