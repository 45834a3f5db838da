// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestRig.h"

#include <optional>

namespace {

// The whole key table: the top-row digits, the letters and the keypad digits
// press their buttons whatever modifiers are held, except key 2; every other
// key presses nothing. The mask of each press and release is kept.
TEST(KeyMap, EveryKeyPressesItsButtonAndOnlyKey2DependsOnTheModifiers) {
    const std::pair<int, const char*> keys[] = {
        {49, "MEM1"},     {50, "MEM2"},     {51, "MEM3"},    {52, "MEM4"},    {53, "MEM5"},
        {54, "SAVE"},     {55, "RECALL"},   {56, "CANCEL"},  {65, "ACQUIRE"}, {67, "CLEAR"},
        {68, "DECAY"},    {72, "CONTROLS"}, {79, "OPTIONS"}, {81, "QUIT"},    {82, "REDUCE"},
        {83, "SECTOR"},   {84, "TEST"},     {86, "VAR"},     {87, "WINDOW"},  {98, "CUR_CCW"},
        {100, "HDG_CCW"}, {102, "HDG_CW"},  {104, "CUR_CW"}};
    TestRig rig;
    for (int code = 0; code < 256; ++code)
        for (const int mask : {0, SHIFT_MASK, CTRL_MASK | ALT_MASK}) {
            const auto key = std::ranges::find(keys, code, &std::pair<int, const char*>::first);
            std::optional<std::string> button;
            if (key != std::end(keys) && (code != 50 || mask == 0))
                button = std::string("CmdButton_") + key->second;
            EXPECT_EQ(Form_KeyDown(rig.f, code, mask), button) << code << " with " << mask;
            EXPECT_EQ(rig.f.CTRL_KEY, mask);
        }
    Form_KeyUp(rig.f, VK_CONTROL, SHIFT_MASK); // a release reports the modifiers still held
    EXPECT_EQ(rig.f.CTRL_KEY, SHIFT_MASK);
}

} // namespace
