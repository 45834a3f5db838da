#include "commands/Memories.h"
#include "KeyPress.h"
#include "core/Captions.h"
#include "core/Numbers.h"
#include "display/WindowCommands.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

#include <array>

namespace {

struct Memories : ::testing::Test {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    void SetUp() override { f.SIMULATE_TIMER = false; }

    std::array<Control*, 5> memoryButtons() {
        return {&f.CmdButton_MEM1, &f.CmdButton_MEM2, &f.CmdButton_MEM3, &f.CmdButton_MEM4,
                &f.CmdButton_MEM5};
    }
    bool selectionShown() const {
        return f.CmdButton_SAVE.visible && f.CmdButton_RECALL.visible && f.CmdButton_CANCEL.visible;
    }
    bool selectionHidden() const {
        return !f.CmdButton_SAVE.visible && !f.CmdButton_RECALL.visible &&
               !f.CmdButton_CANCEL.visible;
    }
    // A picture whose sector sums agree with its histogram.
    void picture(int degree, Single weight, Integer rings) {
        f.BRG_HIST.fill(0);
        f.BRG_SUM.fill(0);
        f.BRG_HIST[degree] = weight;
        for (int k = -f.SECTOR_WIDTH / 2; k <= f.SECTOR_WIDTH / 2; ++k)
            f.BRG_SUM[sectorWrap(degree + k)] += weight;
        f.MAXVECTOR = weight;
        f.RINGCOUNT = rings;
    }
};

TEST_F(Memories, AMemoryButtonSelectsItsSlotAndShowsSaveRecallCancel) {
    pressKey(rig, topRow(3));
    EXPECT_EQ(f.MEMORY_SELECT, 3);
    const auto buttons = memoryButtons();
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(buttons[n - 1]->visible, n == 3) << n;
    EXPECT_TRUE(selectionShown());
    pressKey(rig, topRow(8));
    for (Control* button : buttons)
        EXPECT_TRUE(button->visible);
    EXPECT_TRUE(selectionHidden());
    EXPECT_EQ(f.MEMORY_SELECT, 3);
}

TEST_F(Memories, SaveThenRecallRestoresThePictureExactly) {
    picture(123, 7.25f, 3);
    pressKey(rig, topRow(3));
    pressKey(rig, topRow(6));
    EXPECT_TRUE(selectionHidden());
    EXPECT_EQ(f.BRG_MEM[3][123], 7.25f);
    EXPECT_EQ(f.BRG_MEM[3][361], 3);
    EXPECT_EQ(f.BRG_MEM[3][362], 7.25f);

    picture(40, 2, 1);
    f.BRG_HIST[200] = 1;
    pressKey(rig, topRow(3));
    pressKey(rig, topRow(7));
    EXPECT_EQ(f.BRG_HIST[123], 7.25f);
    EXPECT_EQ(f.BRG_HIST[40], 0);
    EXPECT_EQ(f.BRG_HIST[200], 0);
    EXPECT_EQ(f.RINGCOUNT, 3);
    EXPECT_EQ(f.MAXVECTOR, 7.25f);
    EXPECT_EQ(f.Label_SOURCE.caption, "SOURCE : MEM3");
    EXPECT_TRUE(selectionHidden());
}

TEST_F(Memories, SaveGoesOnAcquiringAndDrawsNothing) {
    picture(10, 1, 1);
    pressKey(rig, topRow(1));
    pressKey(rig, topRow(6));
    EXPECT_EQ(f.CmdButton_ACQUIRE.caption, ACQUIRE_ON);
    EXPECT_EQ(f.CmdButton_TEST.caption, TEST_ON);
    EXPECT_TRUE(rig.surface.ops.empty());
}

TEST_F(Memories, BeforeAnySelectionSaveAndRecallUseSlot0AndKeepTheSource) {
    picture(77, 4, 2);
    pressKey(rig, topRow(6));
    EXPECT_EQ(f.BRG_MEM[0][77], 4);
    picture(5, 1, 1);
    pressKey(rig, topRow(7));
    EXPECT_EQ(f.BRG_HIST[77], 4);
    EXPECT_EQ(f.RINGCOUNT, 2);
    EXPECT_EQ(f.Label_SOURCE.caption, "SOURCE : TEST");
}

TEST_F(Memories, RecallOfANeverSavedSlotGivesAnEmptyPicture) {
    picture(90, 6, 2);
    pressKey(rig, topRow(5));
    pressKey(rig, topRow(7));
    for (int d = 1; d <= 360; ++d)
        EXPECT_EQ(f.BRG_HIST[d], 0) << d;
    EXPECT_EQ(f.MAXVECTOR, 0);
    EXPECT_EQ(f.Label_SOURCE.caption, "SOURCE : MEM5");
    rig.timer1.fire();
    EXPECT_EQ(f.RINGCOUNT, 1);
}

TEST_F(Memories, RecallStopsAllInputAndSwitchesDecayOff) {
    f.CmdButton_TEST.caption = TEST_OFF;
    rig.serial.open();
    f.COM_TIMEOUT_TIMER = true;
    f.Label_COM_TIMEOUT.visible = true;
    f.Frame_TOP_LEFT.visible = false;
    f.CmdButton_DECAY.caption = DECAY_ON;
    f.DECAY_TIMER = true;
    f.SIMULATE_TIMER = true;
    pressKey(rig, topRow(2));
    pressKey(rig, topRow(7));
    EXPECT_FALSE(rig.serial.isOpen());
    EXPECT_EQ(f.CmdButton_ACQUIRE.caption, ACQUIRE_OFF);
    EXPECT_EQ(f.CmdButton_TEST.caption, TEST_OFF);
    EXPECT_FALSE(f.SIMULATE_TIMER);
    EXPECT_FALSE(f.DF_TIMER);
    EXPECT_FALSE(f.COM_TIMEOUT_TIMER);
    EXPECT_FALSE(f.Label_COM_TIMEOUT.visible);
    EXPECT_TRUE(f.Frame_TOP_LEFT.visible);
    EXPECT_EQ(f.CmdButton_DECAY.caption, DECAY_OFF);
    EXPECT_FALSE(f.DECAY_TIMER);
}

TEST_F(Memories, RecallRestartsTheTotalsAndDrawsOneCycle) {
    f.INCOUNT = 33;
    f.ACQTIME = 120;
    f.Label_TOTAL_TIME.caption = "TOTAL TIME : 0120";
    f.Label_TOTAL_BRG.caption = "TOTAL BRG : 0033";
    f.Label_LAST_BRG.caption = "LAST BRG : 271";
    pressKey(rig, topRow(4));
    pressKey(rig, topRow(7));
    EXPECT_EQ(f.Label_TOTAL_TIME.caption, "TOTAL TIME : 0000");
    EXPECT_EQ(f.Label_TOTAL_BRG.caption, "TOTAL BRG : 0000");
    EXPECT_EQ(f.Label_LAST_BRG.caption, "LAST BRG : 000");
    EXPECT_EQ(f.INCOUNT, 0);
    EXPECT_EQ(f.ACQTIME, 0);
    EXPECT_TRUE(f.NEWVECTOR);
    EXPECT_EQ(rig.surface.ops.back().kind, DrawOp::Refresh);
}

TEST_F(Memories, WithTheButtonsHiddenKey2ShowsTheSelectionAndKey8HidesItAgain) {
    CmdButton_CONTROLS_Click(f);
    ASSERT_EQ(f.SHOW_HIDE, 1);
    pressKey(rig, topRow(2));
    EXPECT_TRUE(selectionShown());
    EXPECT_FALSE(f.CmdButton_MEM2.visible);
    pressKey(rig, topRow(8));
    EXPECT_TRUE(selectionHidden());
    for (Control* button : memoryButtons())
        EXPECT_FALSE(button->visible);
}

TEST_F(Memories, Key6WhileHiddenSavesIntoTheSlotSelectedLast) {
    pressKey(rig, topRow(4));
    pressKey(rig, topRow(8));
    CmdButton_CONTROLS_Click(f);
    CmdButton_CONTROLS_Click(f);
    ASSERT_EQ(f.SHOW_HIDE, 2);
    picture(300, 9, 2);
    pressKey(rig, topRow(6));
    EXPECT_EQ(f.BRG_MEM[4][300], 9);
    EXPECT_EQ(f.BRG_MEM[0][300], 0);
    for (Control* button : memoryButtons())
        EXPECT_FALSE(button->visible);
}

TEST_F(Memories, RecallWhileHiddenLeavesTheCountersHidden) {
    CmdButton_CONTROLS_Click(f);
    f.Frame_TOP_LEFT.visible = true;
    pressKey(rig, topRow(1));
    pressKey(rig, topRow(7));
    EXPECT_FALSE(f.Frame_TOP_LEFT.visible);
}

TEST_F(Memories, LeavingARecalledPictureByAcquireOrTest) {
    picture(45, 5, 1);
    pressKey(rig, topRow(1));
    pressKey(rig, topRow(6));
    pressKey(rig, topRow(1));
    pressKey(rig, topRow(7));
    ASSERT_EQ(f.BRG_HIST[45], 5);
    pressKey(rig, letterKey('A'));
    EXPECT_EQ(f.Label_SOURCE.caption, "SOURCE :   DF");
    EXPECT_EQ(f.BRG_HIST[45], 0);
    EXPECT_TRUE(rig.serial.isOpen());

    pressKey(rig, topRow(1));
    pressKey(rig, topRow(7));
    pressKey(rig, letterKey('T'));
    EXPECT_EQ(f.Label_SOURCE.caption, "SOURCE : TEST");
    EXPECT_EQ(f.BRG_HIST[45], 0);
}

} // namespace
