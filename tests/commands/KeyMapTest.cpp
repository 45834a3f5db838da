// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/KeyMap.h"
#include "KeyPress.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

TEST(KeyMap, TopRowAndKeypadDigitsDifferAndModifiersOnlyMatterOnKey2) {
    struct Row {
        int code, mask;
        const char* button; // nullptr: the key presses nothing
    };
    // 37 is cursor left, which the keypad's 4 sends with Num Lock off.
    const Row rows[] = {{topRow(8), 0, "CmdButton_CANCEL"},
                        {keypad(8), 0, "CmdButton_CUR_CW"},
                        {keypad(2), 0, "CmdButton_CUR_CCW"},
                        {topRow(2), SHIFT_MASK, nullptr},
                        {letterKey('A'), SHIFT_MASK, "CmdButton_ACQUIRE"},
                        {37, 0, nullptr}};
    TestRig rig;
    for (const Row& row : rows) {
        const auto expected = row.button ? std::optional<std::string>(row.button) : std::nullopt;
        EXPECT_EQ(Form_KeyDown(rig.f, row.code, row.mask), expected) << row.code << "/" << row.mask;
        EXPECT_EQ(rig.f.CTRL_KEY, row.mask) << row.code;
    }
    // A release reports the modifiers still held.
    Form_KeyUp(rig.f, VK_CONTROL, SHIFT_MASK);
    EXPECT_EQ(rig.f.CTRL_KEY, SHIFT_MASK);
}

TEST(KeyMap, TheFifthKey2WithAModifierRevealsTheCreditsAndPlain2DoesNotCount) {
    TestRig rig;
    const auto creditsShown = [&f = rig.f] {
        return f.Label_COPYRIGHT.visible + f.Label_CREDIT_CONTACT.visible +
               (f.Label_CREDIT_NAME.caption != CREDIT_NAME_TEXT);
    };
    for (int mask : {0, 0, 0, 0, 0, SHIFT_MASK, CTRL_MASK, ALT_MASK, SHIFT_MASK})
        pressKey(rig, topRow(2), mask);
    EXPECT_EQ(creditsShown(), 0);
    pressKey(rig, topRow(2), SHIFT_MASK);
    EXPECT_EQ(creditsShown(), 3);
}

TEST(KeyMap, MemoryKeysSelectTheirOwnSlotAndWChangesTheWindow) {
    TestRig rig;
    for (int n = 1; n <= 5; ++n) {
        pressKey(rig, topRow(n));
        EXPECT_EQ(rig.f.MEMORY_SELECT, n);
    }
    pressKey(rig, letterKey('W'));
    EXPECT_EQ(rig.f.WIN_SIZE, 0);
}

} // namespace
