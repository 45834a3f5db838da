#include "display/WindowCommands.h"

#include "support/TestRig.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::string> COMMAND_BUTTONS{
    "CmdButton_ACQUIRE", "CmdButton_CLEAR",  "CmdButton_CUR_CW",  "CmdButton_CUR_CCW",
    "CmdButton_DECAY",   "CmdButton_HDG_CW", "CmdButton_HDG_CCW", "CmdButton_MEM1",
    "CmdButton_MEM2",    "CmdButton_MEM3",   "CmdButton_MEM4",    "CmdButton_MEM5",
    "CmdButton_OPTIONS", "CmdButton_WINDOW", "CmdButton_QUIT",    "CmdButton_REDUCE",
    "CmdButton_SECTOR",  "CmdButton_TEST",   "CmdButton_VAR",     "Frame_BOTTOM_RIGHT"};

const std::vector<std::string> LABELS_AND_FRAMES{
    "Label_COMM",       "Label_COPYRIGHT",   "Label_CURSOR",     "Label_DECAY",
    "Label_DECAY_RATE", "Label_HDG",         "Label_LAST_BRG",   "Label_CREDIT_CONTACT",
    "Label_RANGE",      "Label_CREDIT_NAME", "Label_SOURCE",     "Label_TIME",
    "Label_TOTAL_BRG",  "Label_TOTAL_TIME",  "Label_VERSION",    "Label_VECTRIN_DF_DISPLAY",
    "Frame_TOP_LEFT",   "Frame_TOP_CENTER",  "Frame_BOTTOM_LEFT"};

Control& named(form_VECTRIN& f, const std::string& name) {
    for (Control* c : f.all())
        if (c->name == name) return *c;
    throw std::invalid_argument("no control " + name);
}

struct HideShowRow {
    Integer state;
    Long controlsTop;
    bool buttonsShown;
    bool labelsShown;
    bool topRightShown;
};

struct HideShow : ::testing::Test {
    TestRig rig;
    form_VECTRIN& f = rig.f;

    void expectRow(const HideShowRow& row) {
        EXPECT_EQ(f.SHOW_HIDE, row.state);
        EXPECT_EQ(f.CmdButton_CONTROLS.top, row.controlsTop);
        for (const std::string& name : COMMAND_BUTTONS)
            EXPECT_EQ(named(f, name).visible, row.buttonsShown) << name << " in " << row.state;
        for (const std::string& name : LABELS_AND_FRAMES)
            EXPECT_EQ(named(f, name).visible, row.labelsShown) << name << " in " << row.state;
        EXPECT_EQ(f.Frame_TOP_RIGHT.visible, row.topRightShown) << row.state;
        EXPECT_TRUE(f.CmdButton_CONTROLS.visible);
    }
};

TEST_F(HideShow, ThreePressesRunThroughTheThreeStatesAndBack) {
    CmdButton_CONTROLS_Click(f);
    expectRow({1, 200, false, true, false});
    CmdButton_CONTROLS_Click(f);
    expectRow({2, 200, false, false, false});
    CmdButton_CONTROLS_Click(f);
    expectRow({0, 3840, true, true, true});
    CmdButton_CONTROLS_Click(f);
    expectRow({1, 200, false, true, false});
}

TEST_F(HideShow, ReturningToStateZeroRevealsTheLabelsHiddenAtStart) {
    ASSERT_FALSE(f.Label_COPYRIGHT.visible);
    ASSERT_FALSE(f.Label_CREDIT_CONTACT.visible);
    for (int press = 0; press < 3; ++press)
        CmdButton_CONTROLS_Click(f);
    EXPECT_TRUE(f.Label_COPYRIGHT.visible);
    EXPECT_TRUE(f.Label_CREDIT_CONTACT.visible);
}

TEST_F(HideShow, TheMemoryButtonsComeBackWhileSaveRecallAndCancelKeepTheirVisibility) {
    f.CmdButton_MEM2.visible = false;
    f.CmdButton_MEM5.visible = false;
    f.CmdButton_SAVE.visible = true;
    f.CmdButton_RECALL.visible = true;
    f.CmdButton_CANCEL.visible = false;
    f.Frame_GPS_FAIL.visible = true;
    f.Label_COM_TIMEOUT.visible = true;
    for (int press = 0; press < 3; ++press) {
        CmdButton_CONTROLS_Click(f);
        EXPECT_TRUE(f.CmdButton_SAVE.visible);
        EXPECT_TRUE(f.CmdButton_RECALL.visible);
        EXPECT_FALSE(f.CmdButton_CANCEL.visible);
        EXPECT_TRUE(f.Frame_GPS_FAIL.visible);
        EXPECT_TRUE(f.Label_COM_TIMEOUT.visible);
    }
    EXPECT_TRUE(f.CmdButton_MEM2.visible);
    EXPECT_TRUE(f.CmdButton_MEM5.visible);
}

TEST_F(HideShow, NeitherDrawsNorMovesSideways) {
    f.CmdButton_CONTROLS.left = 1234;
    f.NEWAZIMUTH = false;
    f.NEWRING = false;
    CmdButton_CONTROLS_Click(f);
    CmdButton_CONTROLS_Click(f);
    EXPECT_EQ(f.CmdButton_CONTROLS.left, 1234);
    EXPECT_TRUE(rig.surface.ops.empty());
    EXPECT_FALSE(f.NEWAZIMUTH);
    EXPECT_FALSE(f.NEWRING);
}

TEST(WindowCommand, TogglesBetweenNormalAndMaximizedFromTheMaximizedStart) {
    TestRig rig;
    ASSERT_EQ(rig.f.WIN_SIZE, 1);
    CmdButton_WINDOW_Click(rig.f);
    EXPECT_EQ(rig.f.WIN_SIZE, 0);
    CmdButton_WINDOW_Click(rig.f);
    EXPECT_EQ(rig.f.WIN_SIZE, 1);
    CmdButton_WINDOW_Click(rig.f);
    EXPECT_EQ(rig.f.WIN_SIZE, 0);
    EXPECT_EQ(rig.surface.states,
              (std::vector<WindowState>{WindowState::Normal, WindowState::Maximized,
                                        WindowState::Normal}));
    EXPECT_TRUE(rig.surface.ops.empty());
}

} // namespace
