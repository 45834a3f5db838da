// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/Memories.h"
#include "support/TestRig.h"

namespace {

struct Memories : ::testing::Test {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    // Memory buttons shown, and SAVE, RECALL and CANCEL shown.
    std::pair<int, int> buttonsShown() const {
        return {f.CmdButton_MEM1.visible + f.CmdButton_MEM2.visible + f.CmdButton_MEM3.visible +
                    f.CmdButton_MEM4.visible + f.CmdButton_MEM5.visible,
                f.CmdButton_SAVE.visible + f.CmdButton_RECALL.visible + f.CmdButton_CANCEL.visible};
    }
};

TEST_F(Memories, Mem3SaveThenRecallRestoresThePictureExactlyAndStopsAllInput) {
    f.BRG_HIST[123] = f.MAXVECTOR = 7.25f;
    f.RINGCOUNT = 3;
    pressKey(rig, topRow(3));
    EXPECT_EQ(buttonsShown(), std::pair(1, 3));
    pressKey(rig, topRow(6));
    EXPECT_EQ(buttonsShown(), std::pair(5, 0));

    f.BRG_HIST[123] = 0;
    f.BRG_HIST[40] = f.MAXVECTOR = 2;
    f.RINGCOUNT = 1;
    f.INCOUNT = 33;
    f.Label_TOTAL_BRG.caption = "TOTAL BRG : 0033";
    f.Label_TOTAL_TIME.caption = "TOTAL TIME : 0120";
    f.Label_LAST_BRG.caption = "LAST BRG : 040";
    f.CmdButton_DECAY.caption = DECAY_ON;
    rig.serial.open();
    f.COM_TIMEOUT_TIMER = f.Label_COM_TIMEOUT.visible = f.SIMULATE_TIMER = true;
    f.Frame_TOP_LEFT.visible = false;
    pressKey(rig, topRow(3));
    pressKey(rig, topRow(7));
    EXPECT_EQ((std::array{f.BRG_HIST[123], f.BRG_HIST[40], f.MAXVECTOR}),
              (std::array{7.25f, 0.f, 7.25f}));
    EXPECT_EQ((std::pair{f.RINGCOUNT, f.INCOUNT}), (std::pair<Integer, std::int32_t>{3, 0}));
    EXPECT_EQ(
        (std::array{f.Label_SOURCE.caption, f.Label_TOTAL_BRG.caption, f.Label_TOTAL_TIME.caption,
                    f.Label_LAST_BRG.caption, f.CmdButton_ACQUIRE.caption, f.CmdButton_TEST.caption,
                    f.CmdButton_DECAY.caption}),
        (std::array<std::string, 7>{"SOURCE : MEM3", "TOTAL BRG : 0000", "TOTAL TIME : 0000",
                                    "LAST BRG : 000", ACQUIRE_OFF, TEST_OFF, DECAY_OFF}));
    EXPECT_TRUE(cycleRan(rig) && buttonsShown() == std::pair(5, 0) && f.Frame_TOP_LEFT.visible);
    EXPECT_FALSE(rig.serial.isOpen() || f.COM_TIMEOUT_TIMER || f.Label_COM_TIMEOUT.visible);
    EXPECT_FALSE(f.DF_TIMER || f.SIMULATE_TIMER || f.DECAY_TIMER);

    pressKey(rig, topRow(5));
    pressKey(rig, topRow(7));
    // A memory never saved still has one ring to divide by.
    EXPECT_EQ((std::tuple{f.BRG_HIST[123] + f.MAXVECTOR, f.Label_SOURCE.caption, f.RINGCOUNT,
                          f.Label_RANGE.caption}),
              (std::tuple<Single, std::string, Integer, std::string>{0, "SOURCE : MEM5", 1,
                                                                     "RANGE  10 BRGS"}));
}

TEST_F(Memories, WithTheButtonsHiddenKeysWorkOnTheSlotSelectedLastAndKeepThemHidden) {
    pressKey(rig, letterKey('H'));
    pressKey(rig, topRow(4));
    EXPECT_EQ(buttonsShown(), std::pair(0, 3));
    pressKey(rig, topRow(8));
    EXPECT_EQ(buttonsShown(), std::pair(0, 0));
    f.BRG_HIST[77] = 9;
    pressKey(rig, topRow(6));
    f.BRG_HIST[77] = 1;
    f.Frame_TOP_LEFT.visible = true;
    pressKey(rig, topRow(7));
    EXPECT_EQ((std::tuple{f.BRG_MEM[4][77], f.BRG_HIST[77], f.Frame_TOP_LEFT.visible}),
              (std::tuple<Single, Single, bool>{9, 9, false}));
    for (int n = 1; n <= 5; ++n) { // each memory key selects its own slot
        f.BRG_HIST[77] = static_cast<Single>(n);
        pressKey(rig, topRow(n));
        pressKey(rig, topRow(6));
        EXPECT_EQ(f.BRG_MEM[n][77], n);
    }
}

} // namespace
