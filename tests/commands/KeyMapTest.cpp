#include "commands/KeyMap.h"
#include "KeyPress.h"
#include "display/MainControls.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(KeyMap, EveryKeyOfTheTablePressesItsButton) {
    const std::vector<std::pair<int, std::string>> table{
        {49, "CmdButton_MEM1"},    {50, "CmdButton_MEM2"},    {51, "CmdButton_MEM3"},
        {52, "CmdButton_MEM4"},    {53, "CmdButton_MEM5"},    {54, "CmdButton_SAVE"},
        {55, "CmdButton_RECALL"},  {56, "CmdButton_CANCEL"},  {65, "CmdButton_ACQUIRE"},
        {67, "CmdButton_CLEAR"},   {68, "CmdButton_DECAY"},   {72, "CmdButton_CONTROLS"},
        {79, "CmdButton_OPTIONS"}, {81, "CmdButton_QUIT"},    {82, "CmdButton_REDUCE"},
        {83, "CmdButton_SECTOR"},  {84, "CmdButton_TEST"},    {86, "CmdButton_VAR"},
        {87, "CmdButton_WINDOW"},  {98, "CmdButton_CUR_CCW"}, {100, "CmdButton_HDG_CCW"},
        {102, "CmdButton_HDG_CW"}, {104, "CmdButton_CUR_CW"}};
    TestRig rig;
    for (const auto& [code, button] : table)
        EXPECT_EQ(Form_KeyDown(rig.f, code, 0), std::optional<std::string>(button)) << code;
}

TEST(KeyMap, TopRowAndKeypadDigitsPressDifferentButtons) {
    TestRig rig;
    EXPECT_EQ(Form_KeyDown(rig.f, topRow(8), 0), "CmdButton_CANCEL");
    EXPECT_EQ(Form_KeyDown(rig.f, keypad(8), 0), "CmdButton_CUR_CW");
    EXPECT_EQ(Form_KeyDown(rig.f, topRow(2), 0), "CmdButton_MEM2");
    EXPECT_EQ(Form_KeyDown(rig.f, keypad(2), 0), "CmdButton_CUR_CCW");
    EXPECT_EQ(Form_KeyDown(rig.f, topRow(6), 0), "CmdButton_SAVE");
    EXPECT_EQ(Form_KeyDown(rig.f, keypad(6), 0), "CmdButton_HDG_CW");
    EXPECT_EQ(Form_KeyDown(rig.f, topRow(4), 0), "CmdButton_MEM4");
    EXPECT_EQ(Form_KeyDown(rig.f, keypad(4), 0), "CmdButton_HDG_CCW");
}

TEST(KeyMap, KeysOutsideTheMapPressNothing) {
    TestRig rig;
    // Keypad with Num Lock off sends cursor keys; other digits and letters
    // have no button.
    for (int code : {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, keypad(0), keypad(5), keypad(9), topRow(0),
                     topRow(9), letterKey('B'), letterKey('Z'), VK_CONTROL, 0, 255})
        EXPECT_EQ(Form_KeyDown(rig.f, code, 0), std::nullopt) << code;
}

TEST(KeyMap, ModifiersChangeOnlyTheMaskExceptOnKey2) {
    TestRig rig;
    EXPECT_EQ(Form_KeyDown(rig.f, letterKey('A'), SHIFT_MASK), "CmdButton_ACQUIRE");
    EXPECT_EQ(Form_KeyDown(rig.f, keypad(6), CTRL_MASK), "CmdButton_HDG_CW");
    EXPECT_EQ(Form_KeyDown(rig.f, topRow(8), ALT_MASK), "CmdButton_CANCEL");
    EXPECT_EQ(Form_KeyDown(rig.f, topRow(1), SHIFT_MASK | CTRL_MASK), "CmdButton_MEM1");
    EXPECT_EQ(Form_KeyDown(rig.f, topRow(2), SHIFT_MASK), std::nullopt);
}

TEST(KeyMap, CtrlKeyFollowsEveryPressAndRelease) {
    TestRig rig;
    Form_KeyDown(rig.f, VK_CONTROL, CTRL_MASK);
    EXPECT_EQ(rig.f.CTRL_KEY, 2);
    Form_KeyDown(rig.f, VK_SHIFT, CTRL_MASK | SHIFT_MASK);
    EXPECT_EQ(rig.f.CTRL_KEY, 3);
    Form_KeyUp(rig.f, VK_SHIFT, CTRL_MASK);
    EXPECT_EQ(rig.f.CTRL_KEY, 2);
    Form_KeyUp(rig.f, VK_CONTROL, 0);
    EXPECT_EQ(rig.f.CTRL_KEY, 0);
    Form_KeyDown(rig.f, letterKey('Z'), ALT_MASK | SHIFT_MASK);
    EXPECT_EQ(rig.f.CTRL_KEY, 5);
    Form_KeyDown(rig.f, keypad(5), 0);
    EXPECT_EQ(rig.f.CTRL_KEY, 0);
}

struct CreditCounter : ::testing::Test {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    bool revealed() const {
        return f.Label_COPYRIGHT.visible && f.Label_CREDIT_CONTACT.visible &&
               f.Label_CREDIT_NAME.caption == CREDIT_REVEALED_TEXT;
    }
    bool untouched() const {
        return !f.Label_COPYRIGHT.visible && !f.Label_CREDIT_CONTACT.visible &&
               f.Label_CREDIT_NAME.caption == CREDIT_NAME_TEXT;
    }
};

TEST_F(CreditCounter, TheFifthShift2RevealsTheCredits) {
    for (int press = 1; press <= 4; ++press) {
        pressKey(rig, topRow(2), SHIFT_MASK);
        EXPECT_TRUE(untouched()) << press;
    }
    pressKey(rig, topRow(2), SHIFT_MASK);
    EXPECT_TRUE(revealed());
    EXPECT_EQ(f.COPYRIGHT, 5);
}

TEST_F(CreditCounter, AnyModifierCountsAndNoMemoryIsSelected) {
    for (int mask : {SHIFT_MASK, CTRL_MASK, ALT_MASK, CTRL_MASK | ALT_MASK})
        pressKey(rig, topRow(2), mask);
    EXPECT_TRUE(untouched());
    EXPECT_FALSE(f.CmdButton_SAVE.visible);
    EXPECT_EQ(f.MEMORY_SELECT, 0);
    pressKey(rig, topRow(2), CTRL_MASK);
    EXPECT_TRUE(revealed());
}

TEST_F(CreditCounter, Plain2SelectsMemory2AndDoesNotCount) {
    for (int press = 0; press < 6; ++press)
        pressKey(rig, topRow(2));
    EXPECT_EQ(f.COPYRIGHT, 0);
    EXPECT_TRUE(untouched());
    EXPECT_EQ(f.MEMORY_SELECT, 2);
    EXPECT_TRUE(f.CmdButton_SAVE.visible);
}

TEST_F(CreditCounter, LaterPressesPassFiveAndChangeNothingMore) {
    for (int press = 0; press < 9; ++press)
        pressKey(rig, topRow(2), SHIFT_MASK);
    EXPECT_EQ(f.COPYRIGHT, 9);
    EXPECT_TRUE(revealed());
}

TEST_F(CreditCounter, UnmappedKeysRunTheCheckAndMappedKeysDoNot) {
    f.COPYRIGHT = 5;
    Form_KeyDown(f, letterKey('A'), 0);
    Form_KeyDown(f, keypad(8), 0);
    EXPECT_TRUE(untouched());
    Form_KeyDown(f, letterKey('B'), 0);
    EXPECT_TRUE(revealed());
    EXPECT_EQ(f.COPYRIGHT, 5);
}

TEST_F(CreditCounter, TheCountStopsAtTheLargest16BitValue) {
    f.COPYRIGHT = 32767;
    pressKey(rig, topRow(2), SHIFT_MASK);
    EXPECT_EQ(f.COPYRIGHT, 32767);
}

} // namespace
