// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BearingIntake.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>

namespace {

// Whole bearings show as three digits; other values keep the last characters
// of their text. The count shows four digits, then a blank and the whole number.
TEST(BearingLabels, GrowFromZeroPaddedDigitsToTheWholeText) {
    const std::pair<Single, const char*> last[] = {{0, "000"},    {9, "009"},   {10, "010"},
                                                   {99, "099"},   {100, "100"}, {359, "359"},
                                                   {4.5f, "005"}, {-45, "005"}, {12.5f, "0.5"}};
    for (const auto& [value, text] : last)
        EXPECT_EQ(lastBearingText(value), std::string("LAST BRG : ") + text) << value;
    const std::pair<std::int32_t, const char*> total[] = {
        {9, "0009"},   {10, "0010"},    {99, "0099"},     {100, "0100"},
        {999, "0999"}, {1000, " 1000"}, {32768, " 32768"}};
    for (const auto& [count, text] : total)
        EXPECT_EQ(totalBearingText(count), std::string("TOTAL BRG : ") + text) << count;
}

// INCOUNT is wider than 16 bits: the count and its label go on past 32767, and
// the count stops at the largest Long rather than wrap negative.
TEST(BearingIntake, CountsEachBearingAndShowsTheNewCount) {
    TestRig rig;
    form_VECTRIN& f = rig.f;
    const std::pair<std::int32_t, const char*> counts[] = {
        {1000, "TOTAL BRG :  1000"},
        {32768, "TOTAL BRG :  32768"},
        {std::numeric_limits<std::int32_t>::max(), "TOTAL BRG :  2147483647"}};
    for (const auto& [count, caption] : counts) {
        f.INCOUNT = count - 1;
        takeInBearing(f, 10, 0, 0);
        EXPECT_EQ(f.INCOUNT, count);
        EXPECT_EQ(f.Label_TOTAL_BRG.caption, caption);
    }
    takeInBearing(f, 10, 0, 0);
    EXPECT_EQ(f.INCOUNT, std::numeric_limits<std::int32_t>::max());
}

} // namespace
