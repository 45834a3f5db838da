// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/Vector.h"

#include "DisplayFixture.h"
#include "core/Captions.h"

namespace {

using Vector = OnDesignWindow;

// At one ring a unit of sum is 271.8 twips; each component is truncated
// toward zero after 32-bit steps. dx, dy on screen, y down. Every other spoke,
// its cell empty, has length zero; cell 0 is never drawn.
TEST_F(Vector, EachSpokePointsAtItsBearingHeadingUpWithItsTruncatedLength) {
    f.NEWVECTOR = true;
    using Row =
        std::tuple<Integer, Integer, const char*, Integer, std::size_t, Single, Single, Single>;
    for (const auto& [heading, variation, var, rings, degree, sum, dx, dy] :
         {Row{0, 0, VAR_OFF, 1, 90, 1, 271, 0},      // east to the right
          Row{0, 0, VAR_OFF, 1, 360, 1, 0, -271},    // north up
          Row{0, 0, VAR_OFF, 1, 270, 1, -271, 0},    // -271.8 truncates toward zero
          Row{45, 0, VAR_OFF, 1, 45, 10, 0, -2718},  // the heading points up
          Row{0, 10, VAR_ON, 1, 350, 10, 0, -2718},  // less the variation with VAR
          Row{0, 10, VAR_OFF, 1, 360, 10, 0, -2718}, // and only with VAR
          // 2718 x 55 / 110 is 1359, but 0.1 / 11 held in 32 bits is a
          // hair short and every later step keeps it short.
          Row{0, 0, VAR_OFF, 11, 90, 55, 1358, 0}}) {
        SCOPED_TRACE(::testing::Message() << degree << " at heading " << heading << var);
        turn(heading, variation, var);
        f.RINGCOUNT = rings;
        f.BRG_SUM.fill(0);
        f.BRG_SUM[0] = 50;
        f.BRG_SUM[degree] = sum;
        rig.surface.ops.clear();
        VECTOR(f);
        ASSERT_EQ(rig.surface.ops.size(), 360u);
        for (std::size_t i = 1; i <= 360; ++i) {
            const DrawOp& spoke = rig.surface.ops[i - 1];
            EXPECT_EQ(
                (std::tuple{spoke.pen.foreColour, spoke.x, spoke.y, spoke.dx, spoke.dy}),
                (std::tuple{7u, 4890.0f, 3647.5f, i == degree ? dx : 0, i == degree ? dy : 0}))
                << i;
        }
    }
    EXPECT_TRUE(f.NEWVECTOR) << "the spokes are drawn again on every later cycle";
}

} // namespace
