// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramRig.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using OptionsDialog = DialogOpen;

TEST_F(OptionsDialog, TenFracClicksAndSixTimeClicksComeBackRound) {
    for (int i = 0; i < 8; ++i)
        optionsClick("CmdButton_FRAC");
    EXPECT_EQ(o.CmdButton_FRAC.caption, "FRAC 0.50");
    optionsClick("CmdButton_FRAC");
    EXPECT_EQ(f.Label_DECAY_RATE.caption, "0.95 @  5 SEC");
    optionsClick("CmdButton_FRAC");
    EXPECT_EQ(o.settings.decayFractionTag, "0.9");
    optionsClick("CmdButton_TIME");
    EXPECT_EQ(o.settings.decayIntervalTag, "10");
    EXPECT_EQ(f.Label_DECAY_RATE.caption, "0.90 @ 10 SEC");
    for (int i = 0; i < 5; ++i)
        optionsClick("CmdButton_TIME");
    EXPECT_EQ(o.settings.decayIntervalTag, "5");
    EXPECT_EQ(f.Label_DECAY_RATE.caption, "0.90 @  5 SEC");
}

TEST_F(OptionsDialog, HeadingTogglesTheSourceAndTheManualHeadingButtons) {
    clock.seconds = 40000.5;
    optionsClick("CmdButton_HEADING");
    EXPECT_EQ(f.GPS_TIME, 40000) << "rounded half to even";
    EXPECT_FALSE(f.CmdButton_HDG_CCW.visible);
    clock.seconds = 40100;
    optionsClick("CmdButton_HEADING");
    EXPECT_EQ(f.GPS_TIME, 40000) << "switching to manual leaves GPS_TIME";
    EXPECT_TRUE(f.CmdButton_HDG_CCW.visible);
    EXPECT_EQ(f.Label_HDG.caption, "MAN 000 TRU");
}

TEST_F(OptionsDialog, VariationWrapsAt180AndMinus179AndDrawsTheAzimuthAtOnce) {
    for (const auto& [before, button, after, text] :
         {std::tuple{180, "CmdButton_ERROR_UP", -179, "179 EAST"},
          std::tuple{-179, "CmdButton_ERROR_DN", 180, "180 WEST"},
          std::tuple{1, "CmdButton_ERROR_DN", 0, "000 WEST"}}) {
        o.settings.HEADING_CORRECTION = static_cast<Integer>(before);
        surface.ops.clear();
        optionsClick(button);
        EXPECT_EQ(f.HEADING_CORRECTION, after);
        EXPECT_EQ(o.Label_HEADING_CORRECTION.caption, text);
        EXPECT_FALSE(surface.ops.empty() || refreshes()) << "the azimuth, not a cycle";
    }
}

TEST_F(OptionsDialog, BaudRateAndCommPortStepTheirCyclesAndAFailedOpenStopsAcquisition) {
    o.BAUD_RATE = 0;
    for (const std::string rate : {"4800", "9600", "1200", "2400", "4800"}) {
        optionsClick("CmdButton_BAUD_RATE");
        EXPECT_EQ(o.CmdButton_BAUD_RATE.caption, "BAUD RATE : " + rate);
        EXPECT_EQ(serial.settings, rate + ",n,8,1");
        EXPECT_EQ(f.Label_COMM.caption, "COM1 @ " + rate + " BAUD");
    }
    serial.port = 8;
    optionsClick("CmdButton_COMM_PORT");
    EXPECT_EQ(o.CmdButton_COMM_PORT.caption, "COMM PORT : COM 1");
    EXPECT_EQ(serial.opens, 1) << "a trial open of a closed port, which stays closed";
    click("CmdButton_TEST");
    optionsClick("CmdButton_BAUD_RATE");
    optionsClick("CmdButton_COMM_PORT");
    EXPECT_EQ(serial.opens, 4) << "an open port is opened again at its new rate and number";

    serial.failOpen = true;
    optionsClick("CmdButton_COMM_PORT");
    EXPECT_EQ(f.CmdButton_ACQUIRE.caption, "A:ACQUIRE  ( OFF )");
    EXPECT_EQ(o.CmdButton_COMM_PORT.backColour, TEST_SYSTEM_COLOURS.buttonShadow);
    EXPECT_EQ(f.Label_COMM.caption, "COM2 @ 9600 BAUD") << "keeps the last port that opened";
    serial.failOpen = false;
    optionsClick("CmdButton_COMM_PORT");
    EXPECT_EQ(o.CmdButton_COMM_PORT.backColour, TEST_SYSTEM_COLOURS.buttonFace);
    EXPECT_EQ(f.Label_COMM.caption, "COM4 @ 9600 BAUD");
    // A port that cannot be opened again at a new rate takes the same path; ACQUIRE
    // then switches acquisition off only if it is on.
    click("CmdButton_ACQUIRE");
    serial.failOpen = true;
    optionsClick("CmdButton_BAUD_RATE");
    EXPECT_EQ(o.CmdButton_COMM_PORT.backColour, TEST_SYSTEM_COLOURS.buttonShadow);
    optionsClick("CmdButton_COMM_PORT");
    EXPECT_EQ(f.CmdButton_ACQUIRE.caption, "A:ACQUIRE  ( OFF )");
}

} // namespace
