// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/RangeRings.h"

#include "DisplayFixture.h"

#include <string>

namespace {

struct Rings : OnDesignWindow {
    std::vector<DrawOp> rings() const { return opsOf(rig.surface, DrawOp::Circle, 6); }
};

// The count is the peak sum over ten rounded half to even, plus one; the
// disk is repainted first. Beyond what sixteen bits hold the label still
// reads right and the count stops at the largest.
TEST_F(Rings, FollowThePeakSumAndDivideTheRadiusEvenly) {
    using Row = std::tuple<Single, Integer, std::string>;
    for (const auto& [maxVector, count, label] :
         {Row{0, 1, "RANGE  10 BRGS"}, Row{4.9f, 1, "RANGE  10 BRGS"}, Row{5, 1, "RANGE  10 BRGS"},
          Row{5.1f, 2, "RANGE  20 BRGS"}, Row{15, 3, "RANGE  30 BRGS"},
          Row{25, 3, "RANGE  30 BRGS"}, Row{35, 5, "RANGE  50 BRGS"},
          Row{40000, 4001, "RANGE  40010 BRGS"}, Row{1e9f, 32767, "RANGE  327670 BRGS"}}) {
        SCOPED_TRACE(label);
        rig.surface.ops.clear();
        f.OLDRINGCOUNT = 0;
        f.NEWVECTOR = false;
        f.MAXVECTOR = maxVector;
        RANGE_RINGS(f);
        EXPECT_EQ((std::tuple{f.RINGCOUNT, f.NEWVECTOR, f.Label_RANGE.caption}),
                  (std::tuple{count, true, label}));
        EXPECT_EQ(rig.surface.ops.at(0).pen.fillStyle, FillStyle::Solid);
        EXPECT_EQ(rig.surface.pen.lineWidth, 1);
        const auto drawn = rings();
        ASSERT_EQ(drawn.size(), static_cast<std::size_t>(count - 1));
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            EXPECT_NEAR(drawn[i].radius, 2718.0 * static_cast<double>(i + 1) / count, 1e-3);
            EXPECT_EQ((std::tuple{drawn[i].x, drawn[i].y, drawn[i].pen.lineWidth}),
                      (std::tuple{4890.0f, 3647.5f, 2}));
        }
    }
}

TEST_F(Rings, ARequestedRedrawFreezesTheCountForOneCallAnUnchangedCountDrawsNothing) {
    f.MAXVECTOR = 15;
    RANGE_RINGS(f);
    f.NEWVECTOR = false;
    f.NEWRING = true;
    f.MAXVECTOR = 45;
    rig.surface.ops.clear();
    RANGE_RINGS(f);
    EXPECT_EQ(rings().size(), 2u);
    EXPECT_EQ((std::tuple{f.RINGCOUNT, f.NEWVECTOR, f.NEWRING, f.Label_RANGE.caption}),
              (std::tuple{Integer{3}, false, false, std::string{"RANGE  30 BRGS"}}));
    RANGE_RINGS(f);
    EXPECT_EQ((std::pair{f.RINGCOUNT, f.NEWVECTOR}), (std::pair{Integer{5}, true}));

    f.NEWVECTOR = false;
    f.Label_RANGE.caption = "untouched";
    f.MAXVECTOR = 44.9f;
    rig.surface.ops.clear();
    RANGE_RINGS(f);
    EXPECT_TRUE(rig.surface.ops.empty());
    EXPECT_EQ((std::tuple{f.NEWVECTOR, f.NEWAZIMUTH, f.Label_RANGE.caption}),
              (std::tuple{false, false, std::string{"untouched"}}));
}

} // namespace
