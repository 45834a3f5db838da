// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramRig.h"

#include <gtest/gtest.h>

namespace {

using DecayRateLabel = DialogOpen;

// TIME keeps the label's first five characters: from the start they are the
// fraction, as FRAC writes it.
TEST_F(DecayRateLabel, TimeBeforeAnyFracShowsTheFractionAndTheNewInterval) {
    EXPECT_EQ(f.Label_DECAY_RATE.caption, "0.90 @  5 SEC");
    optionsClick("CmdButton_TIME");
    EXPECT_EQ(f.Label_DECAY_RATE.caption, "0.90 @ 10 SEC");
}

} // namespace
