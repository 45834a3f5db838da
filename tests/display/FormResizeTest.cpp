#include "display/FormResize.h"

#include "DisplayFixture.h"
#include "display/WindowCommands.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

namespace {

struct Resize : ::testing::Test {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    void SetUp() override { f.SIMULATE_TIMER = false; }
    void resizeTo(TwipsSize client, TwipsSize window) {
        rig.surface.client = client;
        rig.surface.window = window;
        Form_Resize(f);
    }
};

TEST_F(Resize, TheDesignClientAreaGivesTheDocumentedGeometry) {
    resizeTo({9780, 6795}, {9900, 7200});
    EXPECT_EQ(f.AZRADIUS, 2718.0f);
    EXPECT_EQ(f.CENTERX, 4890.0f);
    EXPECT_EQ(f.CENTERY, 3647.5f);
}

TEST_F(Resize, TheCircleFollowsTheHeightWhateverTheWidth) {
    resizeTo({30000, 6000}, {30120, 6400});
    EXPECT_EQ(f.AZRADIUS, 2400.0f);
    EXPECT_EQ(f.CENTERX, 15000.0f);
    EXPECT_EQ(f.CENTERY, 3250.0f);

    resizeTo({0, 0}, {120, 400});
    EXPECT_EQ(f.AZRADIUS, 0.0f);
    EXPECT_EQ(f.CENTERY, 250.0f);
}

TEST_F(Resize, ClearsFirstAndRedrawsScaleRingsAndCursorInOneCycle) {
    f.NEWAZIMUTH = false;
    resizeTo({9780, 6795}, {9900, 7200});
    const auto& ops = rig.surface.ops;
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops.front().kind, DrawOp::Clear);
    EXPECT_EQ(opsOf(rig.surface, DrawOp::Clear).size(), 1u);
    EXPECT_EQ(opsOf(rig.surface, DrawOp::Refresh).size(), 1u);
    EXPECT_EQ(ops.back().kind, DrawOp::Refresh);

    const auto circles = opsOf(rig.surface, DrawOp::Circle);
    ASSERT_FALSE(circles.empty());
    EXPECT_EQ(circles.front().pen.fillStyle, FillStyle::Solid);
    EXPECT_EQ(circles.front().radius, 2718.0f);
    EXPECT_EQ(linesIn(rig.surface, rig.settings.colour(ColourSlot::Cursor)).size(), 1u);
    EXPECT_FALSE(f.NEWAZIMUTH);
    EXPECT_FALSE(f.NEWRING);
    EXPECT_TRUE(f.NEWCURSOR);
}

TEST_F(Resize, EveryResizeRedrawsTheScaleEvenWhenNothingElseChanged) {
    resizeTo({9780, 6795}, {9900, 7200});
    rig.surface.ops.clear();
    Form_Resize(f);
    const auto circles = opsOf(rig.surface, DrawOp::Circle);
    ASSERT_FALSE(circles.empty());
    EXPECT_EQ(circles.front().pen.fillStyle, FillStyle::Solid);
}

TEST_F(Resize, TheCursorEraseOfTheNextCycleRetracesTheLineAtTheNewRadius) {
    f.CURSOR_BEARING = 90;
    resizeTo({9780, 6795}, {9900, 7200});
    rig.surface.ops.clear();
    resizeTo({19200, 13500}, {19320, 14000});
    const auto erased = linesIn(rig.surface, rig.settings.colour(ColourSlot::AzimuthBackground));
    ASSERT_EQ(erased.size(), 1u);
    EXPECT_EQ(erased[0].x, 9600.0f);
    EXPECT_EQ(erased[0].y, 7000.0f);
    EXPECT_NEAR(erased[0].dx, 5400.0f, 0.5f);
    EXPECT_NEAR(erased[0].dy, 0.0f, 0.5f);
}

TEST_F(Resize, MovesTheRightColumnsBottomFramesAndWarningsOnly) {
    resizeTo({11880, 8500}, {12000, 9000});
    for (const Control* mem : {&f.CmdButton_MEM1, &f.CmdButton_MEM2, &f.CmdButton_MEM3,
                               &f.CmdButton_MEM4, &f.CmdButton_MEM5})
        EXPECT_EQ(mem->left, 10800) << mem->name;
    for (const Control* memory : {&f.CmdButton_SAVE, &f.CmdButton_RECALL, &f.CmdButton_CANCEL})
        EXPECT_EQ(memory->left, 9960) << memory->name;
    EXPECT_EQ(f.CmdButton_OPTIONS.left, 10440);
    EXPECT_EQ(f.CmdButton_WINDOW.left, 10440);
    EXPECT_EQ(f.Frame_TOP_RIGHT.left, 9720);
    EXPECT_EQ(f.Frame_BOTTOM_LEFT.top, 6375);
    EXPECT_EQ(f.Frame_TOP_CENTER.left, 4950);
    EXPECT_EQ(f.Frame_BOTTOM_RIGHT.top, 7335);
    EXPECT_EQ(f.Frame_BOTTOM_RIGHT.left, 9240);
    EXPECT_EQ(f.Frame_GPS_FAIL.top, 4135);
    EXPECT_EQ(f.Frame_GPS_FAIL.left, 5515);
    EXPECT_EQ(f.Frame_GPS_SPEED.top, 4110);
    EXPECT_EQ(f.Frame_GPS_SPEED.left, 5430);

    EXPECT_EQ(f.CmdButton_MEM1.top, 1800);
    EXPECT_EQ(f.CmdButton_OPTIONS.top, 4200);
    EXPECT_EQ(f.Frame_TOP_RIGHT.top, 120);
    EXPECT_EQ(f.Frame_BOTTOM_LEFT.left, 120);
    EXPECT_EQ(f.CmdButton_ACQUIRE.left, 120);
    EXPECT_EQ(f.Frame_TOP_LEFT.left, 120);
    EXPECT_EQ(f.Frame_TOP_LEFT.top, 120);
    EXPECT_EQ(f.Label_COM_TIMEOUT.left, 0);
    EXPECT_EQ(f.Label_COM_TIMEOUT.top, 600);
}

TEST_F(Resize, PlacesTheHideShowButtonByTheHideShowState) {
    const TwipsSize window{12000, 9000};
    resizeTo({11880, 8500}, window);
    EXPECT_EQ(f.CmdButton_CONTROLS.top, 3840);
    EXPECT_EQ(f.CmdButton_CONTROLS.left, 10440);
    for (const Integer state : {Integer{1}, Integer{2}}) {
        f.SHOW_HIDE = state;
        f.CmdButton_CONTROLS.left = 0;
        resizeTo({11880, 8500}, window);
        EXPECT_EQ(f.CmdButton_CONTROLS.top, 200) << state;
        EXPECT_EQ(f.CmdButton_CONTROLS.left, 10440) << state;
    }
    f.SHOW_HIDE = 3;
    f.CmdButton_CONTROLS.left = 77;
    f.CmdButton_CONTROLS.top = 88;
    resizeTo({11880, 8500}, window);
    EXPECT_EQ(f.CmdButton_CONTROLS.left, 77);
    EXPECT_EQ(f.CmdButton_CONTROLS.top, 88);
}

TEST_F(Resize, HiddenControlsStayWhereTheHideStateWantsThemAfterAResize) {
    CmdButton_CONTROLS_Click(f);
    resizeTo({11880, 8500}, {12000, 9000});
    EXPECT_EQ(f.CmdButton_CONTROLS.top, 200);
    EXPECT_FALSE(f.CmdButton_ACQUIRE.visible);
}

} // namespace
