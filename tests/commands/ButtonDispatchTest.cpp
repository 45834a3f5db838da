#include "commands/ButtonDispatch.h"
#include "core/Captions.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(ButtonDispatch, EachButtonRunsItsOwnCommand) {
    using Check = std::function<bool(const form_VECTRIN&)>;
    const std::vector<std::pair<std::string, Check>> buttons{
        {"CmdButton_ACQUIRE", [](auto& f) { return f.CmdButton_ACQUIRE.caption == ACQUIRE_OFF; }},
        {"CmdButton_TEST", [](auto& f) { return f.CmdButton_TEST.caption == TEST_OFF; }},
        {"CmdButton_DECAY", [](auto& f) { return f.CmdButton_DECAY.caption == DECAY_ON; }},
        {"CmdButton_SECTOR", [](auto& f) { return f.SECTOR_WIDTH == 6; }},
        {"CmdButton_VAR", [](auto& f) { return f.CmdButton_VAR.caption == VAR_ON; }},
        {"CmdButton_CLEAR", [](auto& f) { return f.BRG_HIST[100] == 0; }},
        {"CmdButton_REDUCE", [](auto& f) { return f.BRG_HIST[100] == 4; }},
        {"CmdButton_CONTROLS", [](auto& f) { return f.SHOW_HIDE == 1; }},
        {"CmdButton_WINDOW", [](auto& f) { return f.WIN_SIZE == 0; }},
        {"CmdButton_MEM1", [](auto& f) { return f.MEMORY_SELECT == 1; }},
        {"CmdButton_MEM2", [](auto& f) { return f.MEMORY_SELECT == 2; }},
        {"CmdButton_MEM3", [](auto& f) { return f.MEMORY_SELECT == 3; }},
        {"CmdButton_MEM4", [](auto& f) { return f.MEMORY_SELECT == 4; }},
        {"CmdButton_MEM5", [](auto& f) { return f.MEMORY_SELECT == 5; }},
        {"CmdButton_SAVE", [](auto& f) { return f.BRG_MEM[0][100] == 5; }},
        {"CmdButton_RECALL",
         [](auto& f) { return f.Label_TOTAL_BRG.caption == "TOTAL BRG : 0000"; }},
        {"CmdButton_CANCEL", [](auto& f) { return f.CmdButton_MEM1.visible; }},
        {"CmdButton_CUR_CW", [](auto& f) { return f.CURSOR_BEARING == 1; }},
        {"CmdButton_CUR_CCW", [](auto& f) { return f.CURSOR_BEARING == 359; }},
        {"CmdButton_HDG_CW", [](auto& f) { return f.HEADING == 1; }},
        {"CmdButton_HDG_CCW", [](auto& f) { return f.HEADING == 359; }},
    };
    for (const auto& [name, done] : buttons) {
        TestRig rig;
        rig.f.SIMULATE_TIMER = false;
        rig.f.BRG_HIST[100] = 5;
        rig.f.Label_TOTAL_BRG.caption = "TOTAL BRG : 0005";
        rig.f.CmdButton_MEM1.visible = false;
        EXPECT_TRUE(CmdButton_Click(rig.f, name)) << name;
        EXPECT_TRUE(done(rig.f)) << name;
    }
}

TEST(ButtonDispatch, QuitOptionsAndUnknownNamesAreNotRunHere) {
    TestRig rig;
    for (const char* name : {"CmdButton_QUIT", "CmdButton_OPTIONS", "CmdButton_MEM6", "Label_HDG",
                             "", "cmdbutton_acquire"})
        EXPECT_FALSE(CmdButton_Click(rig.f, name)) << name;
    EXPECT_EQ(rig.f.CmdButton_ACQUIRE.caption, ACQUIRE_ON);
}

TEST(ButtonDispatch, OnlyTheFourSteppingButtonsReactToMouseDown) {
    for (const char* name :
         {"CmdButton_CUR_CW", "CmdButton_CUR_CCW", "CmdButton_HDG_CW", "CmdButton_HDG_CCW"}) {
        TestRig rig;
        CmdButton_MouseDown(rig.f, name);
        EXPECT_TRUE(rig.timerMouseDown.enabled()) << name;
        EXPECT_EQ(std::string("CmdButton_") + rig.f.MOUSE_DOWN_STRING, name);
    }
    for (const char* name : {"CmdButton_ACQUIRE", "CmdButton_MEM2", "CmdButton_CUR"}) {
        TestRig rig;
        CmdButton_MouseDown(rig.f, name);
        EXPECT_FALSE(rig.timerMouseDown.enabled()) << name;
    }
}

TEST(ButtonDispatch, MouseUpOnAnotherButtonLeavesTheRepeatRunning) {
    TestRig rig;
    CmdButton_MouseDown(rig.f, "CmdButton_HDG_CW");
    CmdButton_MouseUp(rig.f, "CmdButton_ACQUIRE");
    EXPECT_TRUE(rig.timerMouseDown.enabled());
    CmdButton_MouseUp(rig.f, "CmdButton_HDG_CW");
    EXPECT_FALSE(rig.timerMouseDown.enabled());
}

} // namespace
