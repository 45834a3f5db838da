// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramRig.h"

namespace {

const char *COMM = "frame_COMM", *SOURCE = "Frame_HEADING_SOURCE",
           *VAR = "Frame_HEADING_CORRECTION", *DECAY = "Frame_DECAY", *COLORS = "Frame_COLORS";

// The dialog as designed, before start-up sets the port and baud rate: each
// control's container, place in twips, caption and tag; SAVE, RECALL and
// CANCEL are hidden.
TEST(OptionsControls, EveryControlHasItsDesignCaptionTagAndPlace) {
    struct Row {
        const char *name, *container;
        Long left, top, width, height;
        const char *caption, *tag = "";
        bool shown = true;
    };
    const Row rows[] = {
        {"frame_COMM", "", 3600, 120, 2295, 1215, "COMM PORT"},
        {"CmdButton_COMM_PORT", COMM, 120, 360, 2055, 375, "COMM PORT : COM 2", "COM2 @ "},
        {"CmdButton_BAUD_RATE", COMM, 120, 720, 2055, 375, "BAUD RATE : 4800", "1200 BAUD"},
        {"Frame_HEADING_SOURCE", "", 3600, 1440, 2295, 855, "HEADING SOURCE"},
        {"CmdButton_HEADING", SOURCE, 120, 360, 2055, 375, "MANUAL"},
        {"Frame_HEADING_CORRECTION", "", 3600, 2400, 2295, 1095, "MAG VAR"},
        {"Label_HEADING_CORRECTION", VAR, 240, 240, 1695, 255, "000 WEST"},
        {"CmdButton_ERROR_UP", VAR, 120, 600, 975, 375, "WEST"},
        {"CmdButton_ERROR_DN", VAR, 1200, 600, 975, 375, "EAST"},
        {"Frame_DECAY", "", 3600, 3600, 2295, 855, "DECAY"},
        {"CmdButton_FRAC", DECAY, 120, 360, 975, 375, "FRAC 0.90", "0.9"},
        {"CmdButton_TIME", DECAY, 1200, 360, 975, 375, "@  5 SEC", "5"},
        {"cmdbutton_EXIT", "", 3600, 4680, 2295, 375, "EXIT"},
        {"Frame_COLORS", "", 120, 120, 3255, 5055, "COLORS"},
        {"cmdbutton_DISPLAY_BACKGROUND_COLOR", COLORS, 120, 360, 2415, 375, "DISPLAY BACKGROUND"},
        {"cmdbutton_BUTTON_BACKGROUND_COLOR", COLORS, 120, 720, 2415, 375, "BUTTON BACKGROUND"},
        {"cmdbutton_LEGEND_TEXT_COLOR", COLORS, 120, 1080, 2415, 375, "LEGEND TEXT"},
        {"cmdbutton_AZIMUTH_BACKGROUND", COLORS, 120, 1440, 2415, 375, "AZIMUTH BACKGROUND"},
        {"cmdbutton_AZIMUTH_SCALE_COLOR", COLORS, 120, 1800, 2415, 375, "AZIMUTH SCALE"},
        {"cmdbutton_RANGE_RINGS_COLOR", COLORS, 120, 2160, 2415, 375, "RANGE RINGS"},
        {"cmdbutton_VECTORS_COLOR", COLORS, 120, 2520, 2415, 375, "VECTORS"},
        {"cmdbutton_CURSOR_COLOR", COLORS, 120, 2880, 2415, 375, "CURSOR"},
        {"Picture_DISPLAY_BACKGROUND_COLOR", COLORS, 2520, 360, 615, 375, ""},
        {"Picture_BUTTON_BACKGROUND_COLOR", COLORS, 2520, 720, 615, 375, ""},
        {"Picture_LEGEND_TEXT_COLOR", COLORS, 2520, 1080, 615, 375, ""},
        {"Picture_AZIMUTH_BACKGROUND_COLOR", COLORS, 2520, 1440, 615, 375, ""},
        {"Picture_AZIMUTH_SCALE_COLOR", COLORS, 2520, 1800, 615, 375, ""},
        {"Picture_RANGE_RINGS_COLOR", COLORS, 2520, 2160, 615, 375, ""},
        {"Picture_VECTORS_COLOR", COLORS, 2520, 2520, 615, 375, ""},
        {"Picture_CURSOR_COLOR", COLORS, 2520, 2880, 615, 375, ""},
        {"cmdbutton_DEFAULT_COLORS", COLORS, 120, 3600, 3015, 375, "DEFAULT COLORS"},
        {"CmdButton_A_COLORS", COLORS, 120, 4080, 1455, 375, "A  COLORS"},
        {"CmdButton_B_COLORS", COLORS, 1680, 4080, 1455, 375, "B  COLORS"},
        {"CmdButton_C_COLORS", COLORS, 120, 4560, 1455, 375, "C  COLORS"},
        {"CmdButton_D_COLORS", COLORS, 1680, 4560, 1455, 375, "D  COLORS"},
        {"CmdButton_SAVE", COLORS, 120, 3600, 855, 375, "SAVE", "", false},
        {"CmdButton_RECALL", COLORS, 1200, 3600, 855, 375, "RECALL", "", false},
        {"CmdButton_CANCEL", COLORS, 2280, 3600, 855, 375, "CANCEL", "", false}};
    ProgramRig rig;
    const auto controls = rig.o.controls();
    for (const Row& row : rows) {
        const auto c = std::ranges::find(controls, row.name, &Control::name);
        ASSERT_NE(c, controls.end()) << row.name;
        EXPECT_EQ((std::tuple{(*c)->container, (*c)->left, (*c)->top, (*c)->width, (*c)->height,
                              (*c)->caption, (*c)->tag, (*c)->visible}),
                  (std::tuple{std::string(row.container), row.left, row.top, row.width, row.height,
                              std::string(row.caption), std::string(row.tag), row.shown}))
            << row.name;
    }
}

using OptionsDialog = DialogOpen;

// Six TIME clicks and ten FRAC clicks come back round; the decay-rate label
// shows the fraction's five characters (from the start, before any FRAC),
// then the interval.
TEST_F(OptionsDialog, FracAndTimeStepThroughTheirCycles) {
    using Steps = std::vector<std::pair<std::string, std::string>>;
    const Steps times = {{"10", "@ 10 SEC"}, {"15", "@ 15 SEC"}, {"20", "@ 20 SEC"},
                         {"25", "@ 25 SEC"}, {"30", "@ 30 SEC"}, {"5", "@  5 SEC"}};
    for (const auto& [tag, caption] : times) {
        optionsClick("CmdButton_TIME");
        EXPECT_EQ((std::tuple{o.settings.decayIntervalTag, o.CmdButton_TIME.caption,
                              f.Label_DECAY_RATE.caption}),
                  (std::tuple{tag, caption, "0.90 " + caption}));
    }
    const Steps fracs = {{"0.85", "FRAC 0.85"}, {"0.8", "FRAC 0.80"},  {"0.75", "FRAC 0.75"},
                         {"0.7", "FRAC 0.70"},  {"0.65", "FRAC 0.65"}, {"0.6", "FRAC 0.60"},
                         {"0.55", "FRAC 0.55"}, {"0.5", "FRAC 0.50"},  {"0.95", "FRAC 0.95"},
                         {"0.9", "FRAC 0.90"}};
    for (const auto& [tag, caption] : fracs) {
        optionsClick("CmdButton_FRAC");
        EXPECT_EQ((std::tuple{o.settings.decayFractionTag, o.CmdButton_FRAC.caption,
                              f.Label_DECAY_RATE.caption}),
                  (std::tuple{tag, caption, caption.substr(5) + " @  5 SEC"}));
    }
}

// Either way the GPS warnings go; the manual heading buttons show only for
// the manual heading; GPS_TIME restarts only when switching to GPS.
TEST_F(OptionsDialog, HeadingTogglesTheSourceAndTheManualHeadingButtons) {
    for (const auto& [seconds, gps, gpsTime, label] :
         {std::tuple{40000.5, true, 40000, "GPS 000 TRU"},
          std::tuple{40100.0, false, 40000, "MAN 000 TRU"}}) {
        clock.seconds = seconds;
        f.Frame_GPS_FAIL.visible = f.Frame_GPS_SPEED.visible = true;
        optionsClick("CmdButton_HEADING");
        EXPECT_EQ(
            (std::tuple{o.settings.headingSource, f.GPS_TIMER, f.GPS_TIME, f.Label_HDG.caption}),
            (std::tuple<std::string, bool, Long, std::string>{gps ? "GPS" : "MANUAL", gps, gpsTime,
                                                              label}));
        EXPECT_EQ((std::array{f.CmdButton_HDG_CCW.visible, f.CmdButton_HDG_CW.visible,
                              f.Frame_GPS_FAIL.visible, f.Frame_GPS_SPEED.visible}),
                  (std::array{!gps, !gps, false, false}));
    }
}

TEST_F(OptionsDialog, BaudRateAndCommPortStepTheirCyclesAndAFailedOpenStopsAcquisition) {
    o.BAUD_RATE = 0;
    for (const std::string rate : {"4800", "9600", "1200", "2400", "4800"}) {
        optionsClick("CmdButton_BAUD_RATE");
        EXPECT_EQ(
            (std::tuple{o.CmdButton_BAUD_RATE.caption, serial.settings, f.Label_COMM.caption}),
            (std::tuple{"BAUD RATE : " + rate, rate + ",n,8,1", "COM1 @ " + rate + " BAUD"}));
    }
    serial.port = 8;
    optionsClick("CmdButton_COMM_PORT");
    EXPECT_EQ(o.CmdButton_COMM_PORT.caption, "COMM PORT : COM 1");
    EXPECT_EQ((std::pair{serial.opens, serial.isOpen()}), (std::pair{1, false}))
        << "a trial open of a closed port, which stays closed";
    click("CmdButton_TEST");
    optionsClick("CmdButton_BAUD_RATE");
    optionsClick("CmdButton_COMM_PORT");
    EXPECT_EQ((std::pair{serial.opens, serial.isOpen()}), (std::pair{4, true}))
        << "an open port is opened again at its new rate and number";

    serial.failOpen = true;
    optionsClick("CmdButton_COMM_PORT");
    EXPECT_EQ(f.CmdButton_ACQUIRE.caption, ACQUIRE_OFF);
    EXPECT_EQ(o.CmdButton_COMM_PORT.backColour, TEST_SYSTEM_COLOURS.buttonShadow);
    EXPECT_EQ(f.Label_COMM.caption, "COM2 @ 9600 BAUD") << "keeps the last port that opened";
    serial.failOpen = false;
    optionsClick("CmdButton_COMM_PORT");
    EXPECT_EQ(o.CmdButton_COMM_PORT.backColour, TEST_SYSTEM_COLOURS.buttonFace);
    EXPECT_EQ(f.Label_COMM.caption, "COM4 @ 9600 BAUD");
}

} // namespace
