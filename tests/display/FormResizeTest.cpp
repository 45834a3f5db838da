// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/FormResize.h"

#include "DisplayFixture.h"

#include <map>
#include <string>

namespace {

struct Resize : OnDesignWindow {
    void resizeTo(TwipsSize client, TwipsSize window) {
        rig.surface.client = client;
        rig.surface.window = window;
        Form_Resize(f);
    }
};

// The circle's diameter is 0.8 of the client height, also in a window
// narrower than high; the centre sits 250 below the middle.
TEST_F(Resize, GeometryFollowsTheClientArea) {
    resizeTo({9780, 6795}, {9900, 7200});
    EXPECT_EQ((std::tuple{f.AZRADIUS, f.CENTERX, f.CENTERY}),
              (std::tuple{2718.0f, 4890.0f, 3647.5f}));
    resizeTo({6000, 9000}, {6120, 9400});
    EXPECT_EQ((std::tuple{f.AZRADIUS, f.CENTERX, f.CENTERY}),
              (std::tuple{3600.0f, 3000.0f, 4750.0f}));
}

// Clear, then one cycle layers the scale, the rings, the cursor and the
// spokes (scale lines and labels, the cursor's marker, the refresh go with
// their layer), each over the one before, brings them on screen and leaves the pen
// thin, solid and transparent.
TEST_F(Resize, ClearsThenLayersScaleRingsCursorAndSpokes) {
    f.BRG_SUM[10] = f.MAXVECTOR = 30;
    f.RINGCOUNT = f.OLDRINGCOUNT = 4;
    f.NEWVECTOR = true;
    resizeTo({9780, 6795}, {9900, 7200});
    const std::map<Colour, char> layerOf{{5, 's'}, {6, 'r'}, {8, 'c'}, {7, 'v'}};
    std::string layers;
    for (const DrawOp& op : rig.surface.ops)
        if (const auto l = layerOf.find(op.pen.foreColour);
            l != layerOf.end() && !layers.ends_with(l->second))
            layers += l->second;
    EXPECT_EQ(layers, "srcv");
    EXPECT_EQ((std::pair{rig.surface.ops.front().kind, rig.surface.ops.back().kind}),
              (std::pair{DrawOp::Clear, DrawOp::Refresh}));
    EXPECT_EQ((std::tuple{rig.surface.pen.lineWidth, rig.surface.pen.lineStyle,
                          rig.surface.pen.fillStyle}),
              (std::tuple{1, LineStyle::Solid, FillStyle::Transparent}));
}

// The hide/show button heads the right column while anything is hidden; a
// state outside the three leaves it where it is.
TEST_F(Resize, MovesTheRightColumnsBottomFramesWarningsAndTheHideShowButton) {
    for (const auto& [state, top, left] : {std::tuple<Integer, Long, Long>{0, 3840, 10440},
                                           {1, 200, 10440},
                                           {2, 200, 10440},
                                           {3, 88, 77}}) {
        f.SHOW_HIDE = state;
        f.CmdButton_CONTROLS.left = 77;
        f.CmdButton_CONTROLS.top = 88;
        resizeTo({11880, 8500}, {12000, 9000});
        EXPECT_EQ((std::pair{f.CmdButton_CONTROLS.top, f.CmdButton_CONTROLS.left}),
                  (std::pair{top, left}))
            << state;
    }
    const std::vector<std::pair<Long, Long>> moved{
        {f.CmdButton_MEM5.left, 10800},    {f.CmdButton_CANCEL.left, 9960},
        {f.CmdButton_OPTIONS.left, 10440}, {f.CmdButton_WINDOW.left, 10440},
        {f.Frame_TOP_RIGHT.left, 9720},    {f.Frame_BOTTOM_LEFT.top, 6375},
        {f.Frame_TOP_CENTER.left, 4950},   {f.Frame_BOTTOM_RIGHT.top, 7335},
        {f.Frame_BOTTOM_RIGHT.left, 9240}, {f.Frame_GPS_FAIL.top, 4135},
        {f.Frame_GPS_FAIL.left, 5515},     {f.Frame_GPS_SPEED.top, 4110},
        {f.Frame_GPS_SPEED.left, 5430},    {f.CmdButton_ACQUIRE.left, 120}};
    for (std::size_t i = 0; i < moved.size(); ++i)
        EXPECT_EQ(moved[i].first, moved[i].second) << "row " << i;
}

} // namespace
