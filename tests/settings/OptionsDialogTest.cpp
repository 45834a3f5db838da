#include "core/Captions.h"
#include "settings/OptionsDispatch.h"

#include "ProgramRig.h"

#include <gtest/gtest.h>

namespace {

struct OptionsDialog : DialogOpen {
    const Control& control(const std::string& name) {
        for (Control* c : o.controls())
            if (c->name == name) return *c;
        throw std::runtime_error("no control " + name);
    }
    int drawn(DrawOp::Kind kind) const {
        int n = 0;
        for (const DrawOp& op : rig.surface.ops)
            n += op.kind == kind;
        return n;
    }
};

TEST_F(OptionsDialog, StartsWithItsDesignCaptionsAndTheSettingsItShows) {
    EXPECT_EQ(o.caption, "Vectrin Options");
    EXPECT_EQ(o.controls().size(), 38u);
    EXPECT_EQ(control("CmdButton_FRAC").caption, "FRAC 0.90");
    EXPECT_EQ(control("CmdButton_FRAC").tag, "0.9");
    EXPECT_EQ(control("CmdButton_TIME").caption, "@  5 SEC");
    EXPECT_EQ(control("CmdButton_TIME").tag, "5");
    EXPECT_EQ(control("CmdButton_HEADING").caption, "MANUAL");
    EXPECT_EQ(control("Picture_CURSOR_COLOR").container, "Frame_COLORS");
    EXPECT_FALSE(control("CmdButton_SAVE").visible);
    EXPECT_TRUE(control("cmdbutton_DEFAULT_COLORS").visible);
}

TEST_F(OptionsDialog, SixTimeClicksGoRoundTheIntervalsKeepingTheFractionPrefix) {
    f.Label_DECAY_RATE.caption = "0.85 @  5 SEC";
    const std::vector<std::pair<std::string, std::string>> expected{
        {"10", "@ 10 SEC"}, {"15", "@ 15 SEC"}, {"20", "@ 20 SEC"},
        {"25", "@ 25 SEC"}, {"30", "@ 30 SEC"}, {"5", "@  5 SEC"}};
    for (const auto& [tag, caption] : expected) {
        press("CmdButton_TIME");
        EXPECT_EQ(o.settings.decayIntervalTag, tag);
        EXPECT_EQ(control("CmdButton_TIME").tag, tag);
        EXPECT_EQ(o.CmdButton_TIME.caption, caption);
        EXPECT_EQ(f.Label_DECAY_RATE.caption, "0.85 " + caption);
    }
}

TEST_F(OptionsDialog, TheFirstTimeClickKeepsFiveCharactersOfTheDesignCaption) {
    ASSERT_EQ(f.Label_DECAY_RATE.caption, "0.9 @ 5 SEC");
    press("CmdButton_TIME");
    EXPECT_EQ(f.Label_DECAY_RATE.caption, "0.9 @@ 10 SEC");
}

TEST_F(OptionsDialog, TenFracClicksGoRoundTheFractionsAndAfter050Comes095) {
    const std::vector<std::string> tags{"0.85", "0.8",  "0.75", "0.7",  "0.65",
                                        "0.6",  "0.55", "0.5",  "0.95", "0.9"};
    std::vector<std::string> seen;
    for (int i = 0; i < 10; ++i) {
        press("CmdButton_FRAC");
        seen.push_back(o.settings.decayFractionTag);
    }
    EXPECT_EQ(seen, tags);
    EXPECT_EQ(o.CmdButton_FRAC.caption, "FRAC 0.90");
    EXPECT_EQ(f.Label_DECAY_RATE.caption, "0.90 @  5 SEC");
    press("CmdButton_FRAC", 8);
    EXPECT_EQ(o.CmdButton_FRAC.caption, "FRAC 0.50");
    press("CmdButton_TIME");
    press("CmdButton_FRAC");
    EXPECT_EQ(o.CmdButton_FRAC.caption, "FRAC 0.95");
    EXPECT_EQ(f.Label_DECAY_RATE.caption, "0.95 @ 10 SEC");
}

TEST_F(OptionsDialog, TagsOutsideTheirCycleMakeTimeAndFracDoNothing) {
    o.settings.decayIntervalTag = "7";
    o.settings.decayFractionTag = "0.90";
    const std::string rate = f.Label_DECAY_RATE.caption;
    press("CmdButton_TIME");
    press("CmdButton_FRAC");
    EXPECT_EQ(o.settings.decayIntervalTag, "7");
    EXPECT_EQ(o.settings.decayFractionTag, "0.90");
    EXPECT_EQ(o.CmdButton_TIME.caption, "@  5 SEC");
    EXPECT_EQ(o.CmdButton_FRAC.caption, "FRAC 0.90");
    EXPECT_EQ(f.Label_DECAY_RATE.caption, rate);
}

TEST_F(OptionsDialog, HeadingTogglesBetweenManualAndGps) {
    f.Frame_GPS_FAIL.visible = true;
    f.Frame_GPS_SPEED.visible = true;
    f.Label_HDG.caption = "MAN 123 MAG";
    rig.clock.seconds = 40000.5;
    press("CmdButton_HEADING");
    EXPECT_EQ(o.settings.headingSource, "GPS");
    EXPECT_EQ(control("CmdButton_HEADING").caption, "GPS");
    EXPECT_TRUE(f.GPS_TIMER);
    EXPECT_EQ(f.GPS_TIME, 40000) << "rounded half to even";
    EXPECT_FALSE(f.Frame_GPS_FAIL.visible);
    EXPECT_FALSE(f.Frame_GPS_SPEED.visible);
    EXPECT_FALSE(f.CmdButton_HDG_CCW.visible);
    EXPECT_FALSE(f.CmdButton_HDG_CW.visible);
    EXPECT_EQ(f.Label_HDG.caption, "GPS 123 MAG");

    rig.clock.seconds = 40100;
    f.Frame_GPS_FAIL.visible = true;
    press("CmdButton_HEADING");
    EXPECT_EQ(o.settings.headingSource, "MANUAL");
    EXPECT_FALSE(f.GPS_TIMER);
    EXPECT_EQ(f.GPS_TIME, 40000) << "switching to manual leaves GPS_TIME";
    EXPECT_FALSE(f.Frame_GPS_FAIL.visible);
    EXPECT_TRUE(f.CmdButton_HDG_CCW.visible);
    EXPECT_TRUE(f.CmdButton_HDG_CW.visible);
    EXPECT_EQ(f.Label_HDG.caption, "MAN 123 MAG");
    EXPECT_EQ(drawn(DrawOp::Refresh), 0) << "no redraw is asked for";
}

TEST_F(OptionsDialog, VariationWrapsAt180AndMinus179) {
    o.settings.HEADING_CORRECTION = 179;
    press("CmdButton_ERROR_UP");
    EXPECT_EQ(o.X_STRING, "180 WEST");
    press("CmdButton_ERROR_UP");
    EXPECT_EQ(o.settings.HEADING_CORRECTION, -179);
    EXPECT_EQ(f.HEADING_CORRECTION, -179);
    EXPECT_EQ(o.Label_HEADING_CORRECTION.caption, "179 EAST");
    press("CmdButton_ERROR_DN");
    EXPECT_EQ(o.settings.HEADING_CORRECTION, 180);
    EXPECT_EQ(o.Label_HEADING_CORRECTION.caption, "180 WEST");
}

TEST_F(OptionsDialog, VariationTextIsThreeDigitsAndADirection) {
    const std::vector<std::pair<int, std::string>> cases{
        {1, "000 WEST"}, {6, "005 WEST"}, {-4, "005 EAST"}, {24, "023 WEST"}, {0, "001 EAST"}};
    for (const auto& [start, text] : cases) {
        o.settings.HEADING_CORRECTION = static_cast<Integer>(start);
        press("CmdButton_ERROR_DN");
        EXPECT_EQ(o.X_STRING, text) << "from " << start;
    }
}

TEST_F(OptionsDialog, AVariationChangeDrawsTheAzimuthScaleAtOnceButNoCycle) {
    f.NEWAZIMUTH = false;
    f.NEWCURSOR = false;
    f.NEWRING = false;
    press("CmdButton_ERROR_UP");
    EXPECT_FALSE(f.NEWAZIMUTH) << "drawn by AZIMUTH, which clears its flag";
    EXPECT_TRUE(f.NEWCURSOR);
    EXPECT_TRUE(f.NEWRING);
    EXPECT_GT(drawn(DrawOp::Circle), 0);
    EXPECT_EQ(drawn(DrawOp::Refresh), 0);
}

TEST_F(OptionsDialog, CommPortGoesFrom8To1AndLeavesAClosedPortClosed) {
    rig.serial.port = 8;
    press("CmdButton_COMM_PORT");
    EXPECT_EQ(rig.serial.port, 1);
    EXPECT_EQ(o.CmdButton_COMM_PORT.caption, "COMM PORT : COM 1");
    EXPECT_EQ(o.CmdButton_COMM_PORT.tag, "COM1 @ ");
    EXPECT_EQ(rig.serial.opens, 1) << "a trial open";
    EXPECT_FALSE(rig.serial.isOpen());
    EXPECT_EQ(f.Label_COMM.caption, "COM1 @ 4800 BAUD");
    press("CmdButton_COMM_PORT", 2);
    EXPECT_EQ(f.Label_COMM.caption, "COM3 @ 4800 BAUD");
}

TEST_F(OptionsDialog, CommPortKeepsAnOpenPortOpenOnTheNewNumber) {
    rig.click("CmdButton_TEST");
    ASSERT_TRUE(rig.serial.isOpen());
    press("CmdButton_COMM_PORT");
    EXPECT_TRUE(rig.serial.isOpen());
    EXPECT_EQ(rig.serial.port, 2);
}

TEST_F(OptionsDialog, APortNumberOutside1To8IsLeftAndThePortEndsClosed) {
    rig.click("CmdButton_TEST");
    ASSERT_TRUE(rig.serial.isOpen());
    rig.serial.port = 12;
    f.Label_COMM.caption = "something else";
    press("CmdButton_COMM_PORT");
    EXPECT_EQ(rig.serial.port, 12);
    EXPECT_FALSE(rig.serial.isOpen());
    EXPECT_EQ(o.CmdButton_COMM_PORT.caption, "COMM PORT : COM 1");
    EXPECT_EQ(f.Label_COMM.caption, "COM1 @ 4800 BAUD");
}

TEST_F(OptionsDialog, AFailedCommPortSwitchesAcquisitionOffAndGreysTheButton) {
    rig.click("CmdButton_TEST");
    ASSERT_TRUE(rig.serial.isOpen());
    rig.serial.failOpen = true;
    press("CmdButton_COMM_PORT");
    EXPECT_FALSE(rig.serial.isOpen());
    EXPECT_EQ(f.CmdButton_ACQUIRE.caption, ACQUIRE_OFF);
    EXPECT_FALSE(f.DF_TIMER);
    EXPECT_EQ(o.CmdButton_COMM_PORT.backColour, TEST_SYSTEM_COLOURS.buttonShadow);
    EXPECT_EQ(o.CmdButton_COMM_PORT.caption, "COMM PORT : COM 2");
    EXPECT_EQ(o.CmdButton_COMM_PORT.tag, "COM2 @ ");
    EXPECT_EQ(f.Label_COMM.caption, "COM1 @ 4800 BAUD") << "keeps its old text";

    rig.serial.failOpen = false;
    press("CmdButton_COMM_PORT");
    EXPECT_EQ(o.CmdButton_COMM_PORT.backColour, TEST_SYSTEM_COLOURS.buttonFace);
    EXPECT_EQ(f.Label_COMM.caption, "COM3 @ 4800 BAUD");
    EXPECT_FALSE(rig.serial.isOpen()) << "was closed before the click";
}

TEST_F(OptionsDialog, AFailedCommPortWithAcquisitionOffLeavesItOff) {
    rig.click("CmdButton_ACQUIRE");
    rig.serial.failOpen = true;
    press("CmdButton_COMM_PORT");
    EXPECT_EQ(f.CmdButton_ACQUIRE.caption, ACQUIRE_OFF) << "ACQUIRE is not run a second time";
    EXPECT_EQ(o.CmdButton_COMM_PORT.backColour, TEST_SYSTEM_COLOURS.buttonShadow);
}

TEST_F(OptionsDialog, BaudRateGoesRoundItsCycleAndFromAnyOtherValueTo4800) {
    o.BAUD_RATE = 0;
    press("CmdButton_BAUD_RATE");
    EXPECT_EQ(o.BAUD_RATE, 4800);
    EXPECT_EQ(rig.serial.settings, "4800,n,8,1");
    const std::vector<Integer> cycle{9600, 1200, 2400, 4800};
    for (Integer rate : cycle) {
        press("CmdButton_BAUD_RATE");
        const std::string text = std::to_string(rate);
        EXPECT_EQ(o.BAUD_RATE, rate);
        EXPECT_EQ(o.CmdButton_BAUD_RATE.caption, "BAUD RATE : " + text);
        EXPECT_EQ(o.CmdButton_BAUD_RATE.tag, text + " BAUD");
        EXPECT_EQ(rig.serial.settings, text + ",n,8,1");
        EXPECT_EQ(f.Label_COMM.caption, "COM1 @ " + text + " BAUD");
    }
}

TEST_F(OptionsDialog, BaudRateReopensAnOpenPortAndLeavesAClosedOneClosed) {
    press("CmdButton_BAUD_RATE");
    EXPECT_EQ(rig.serial.opens, 0);
    rig.click("CmdButton_TEST");
    press("CmdButton_BAUD_RATE");
    EXPECT_TRUE(rig.serial.isOpen());
    EXPECT_EQ(rig.serial.opens, 2);
}

TEST_F(OptionsDialog, AFailedReopenAfterABaudChangeTakesTheCommPortFailurePath) {
    rig.click("CmdButton_TEST");
    rig.serial.failOpen = true;
    press("CmdButton_BAUD_RATE");
    EXPECT_FALSE(rig.serial.isOpen());
    EXPECT_EQ(f.CmdButton_ACQUIRE.caption, ACQUIRE_OFF);
    EXPECT_EQ(o.CmdButton_COMM_PORT.backColour, TEST_SYSTEM_COLOURS.buttonShadow);
    EXPECT_EQ(o.BAUD_RATE, 9600);
    EXPECT_EQ(f.Label_COMM.caption, "COM1 @ 4800 BAUD");
}

TEST_F(OptionsDialog, ExitHidesTheDialogAndRedrawsTheDisplay) {
    press("CmdButton_C_COLORS");
    press("cmdbutton_EXIT");
    EXPECT_FALSE(o.visible);
    EXPECT_FALSE(o.CmdButton_SAVE.visible);
    EXPECT_FALSE(o.CmdButton_RECALL.visible);
    EXPECT_FALSE(o.CmdButton_CANCEL.visible);
    EXPECT_TRUE(o.cmdbutton_DEFAULT_COLORS.visible);
    EXPECT_EQ(drawn(DrawOp::Refresh), 1);
}

TEST_F(OptionsDialog, UnknownNamesRunNothing) {
    EXPECT_FALSE(Form_OPTIONS_Click(o, "CmdButton_ACQUIRE"));
    EXPECT_TRUE(rig.surface.ops.empty());
}

} // namespace
