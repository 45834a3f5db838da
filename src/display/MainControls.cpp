// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/MainControls.h"

#include "core/Version.h"

#include <string>

namespace {

const Font BUTTON_FONT{"Small Fonts", 6.75f, false, false};
const Font LABEL_FONT{"Arial", 8.25f, true, false};
const Font TITLE_FONT{"Arial", 11.25f, true, true};
const Font HEADING_FONT{"Arial", 14.25f, true, false};
const Font WARNING_FONT{"Arial", 9.75f, true, false};
const Font TIMEOUT_FONT{"Arial", 9.0f, true, false};

constexpr Colour WHITE = 0xFFFFFF;
constexpr Colour RED = 0x0000FF;

Control frame(const char* name, Long left, Long top, Long width, Long height, Colour back) {
    Control c = placeControl(name, ControlKind::Frame, "", "", left, top, width, height);
    c.backColour = back;
    return c;
}

Control label(const char* name, const char* container, const char* caption, Long left, Long top,
              Long width, Long height, Colour text, const Font& font = LABEL_FONT) {
    Control c =
        placeControl(name, ControlKind::Label, container, caption, left, top, width, height);
    c.textColour = text;
    c.font = font;
    return c;
}

Control button(const char* name, const char* container, const char* caption, Long left, Long top,
               Long width, Long height, Colour back) {
    Control c =
        placeControl(name, ControlKind::Button, container, caption, left, top, width, height);
    c.backColour = back;
    c.font = BUTTON_FONT;
    return c;
}

Control warningLabel(const char* name, const char* container, const char* caption, Long width,
                     Long height) {
    Control c = label(name, container, caption, 120, 120, width, height, RED, WARNING_FONT);
    c.backColour = WHITE;
    return c;
}

Control hidden(Control c) {
    c.visible = false;
    return c;
}

} // namespace

MainControls::MainControls(const OperatingSettings& initial) {
    const Colour back = initial.colour(ColourSlot::DisplayBackground);
    const Colour text = initial.colour(ColourSlot::LegendText);
    const Colour face = initial.colour(ColourSlot::ButtonBackground);
    const char* TL = "Frame_TOP_LEFT";
    const char* TC = "Frame_TOP_CENTER";
    const char* TR = "Frame_TOP_RIGHT";
    const char* BL = "Frame_BOTTOM_LEFT";
    const char* BR = "Frame_BOTTOM_RIGHT";

    Frame_TOP_LEFT = frame(TL, 120, 120, 2175, 1335, back);
    Label_VECTRIN_DF_DISPLAY =
        label("Label_VECTRIN_DF_DISPLAY", TL, "ZIRC DF Display", 0, 0, 2175, 255, text, TITLE_FONT);
    const std::string version = std::string("Ver. ") + VECTRIN_VERSION;
    Label_VERSION = label("Label_VERSION", TL, version.c_str(), 0, 255, 975, 255, text, TITLE_FONT);
    Label_LAST_BRG = label("Label_LAST_BRG", TL, "LAST BRG : 000", 0, 600, 1935, 255, text);
    Label_TOTAL_BRG = label("Label_TOTAL_BRG", TL, "TOTAL BRG : 000", 0, 855, 2055, 255, text);
    Label_TOTAL_TIME = label("Label_TOTAL_TIME", TL, "TOTAL TIME : 0000", 0, 1110, 2175, 255, text);

    Frame_TOP_CENTER = frame(TC, 3840, 50, 3000, 500, back);
    Label_SOURCE = label("Label_SOURCE", TC, "SOURCE : TEST", 375, 0, 1500, 255, text);
    Label_HDG = label("Label_HDG", TC, "MAN 000 TRU", 60, 200, 3000, 480, text, HEADING_FONT);

    Frame_TOP_RIGHT = frame(TR, 7320, 120, 1935, 1455, back);
    Label_COPYRIGHT = hidden(label("Label_COPYRIGHT", TR, COPYRIGHT_TEXT, 720, 0, 1335, 255, text));
    Label_CREDIT_NAME = label("Label_CREDIT_NAME", TR, CREDIT_NAME_TEXT, 0, 240, 2055, 255, text);
    Label_CREDIT_CONTACT =
        hidden(label("Label_CREDIT_CONTACT", TR, CREDIT_CONTACT_TEXT, 120, 480, 1815, 255, text));
    Label_TIME = label("Label_TIME", TR, "00:00:00 AM", 240, 960, 1335, 255, text);
    Label_COMM = label("Label_COMM", TR, "COM2 @ 4800 BAUD", 240, 1200, 1695, 255, text);

    CmdButton_ACQUIRE =
        button("CmdButton_ACQUIRE", "", "A:ACQUIRE    ( ON )", 120, 1800, 1455, 375, face);
    CmdButton_TEST =
        button("CmdButton_TEST", "", "T:TEST             ( ON )", 120, 2160, 1455, 375, face);
    CmdButton_DECAY =
        button("CmdButton_DECAY", "", "D:DECAY        ( OFF )", 120, 2520, 1455, 375, face);
    CmdButton_REDUCE =
        button("CmdButton_REDUCE", "", "R:REDUCE        10%  ", 120, 2880, 1455, 375, face);
    CmdButton_CLEAR =
        button("CmdButton_CLEAR", "", "C:CLEAR DISPLAY  ", 120, 3240, 1455, 375, face);
    CmdButton_QUIT = button("CmdButton_QUIT", "", "Q:QUIT PROGRAM  ", 120, 3600, 1455, 375, face);

    Frame_BOTTOM_LEFT = frame(BL, 120, 4320, 1455, 2055, back);
    CmdButton_SECTOR = button("CmdButton_SECTOR", BL, "S:SECTOR     4 DEG", 0, 0, 1455, 375, face);
    Label_DECAY = label("Label_DECAY", BL, "DECAY RATE :", 0, 480, 1215, 255, text);
    Label_DECAY_RATE = label("Label_DECAY_RATE", BL, "0.90 @  5 SEC", 0, 735, 1455, 255, text);
    CmdButton_VAR = button("CmdButton_VAR", BL, "V:VAR          OFF", 0, 1080, 1215, 375, face);
    Label_RANGE = label("Label_RANGE", BL, "RANGE : 60 BRGS ", 0, 1560, 1455, 255, text);
    Label_CURSOR = label("Label_CURSOR", BL, "CURSOR : 000 TRU", 0, 1815, 1455, 255, text);

    CmdButton_MEM1 = button("CmdButton_MEM1", "", "1 : MEM 1", 8400, 1800, 855, 375, face);
    CmdButton_MEM2 = button("CmdButton_MEM2", "", "2 : MEM 2", 8400, 2160, 855, 375, face);
    CmdButton_MEM3 = button("CmdButton_MEM3", "", "3 : MEM 3", 8400, 2520, 855, 375, face);
    CmdButton_MEM4 = button("CmdButton_MEM4", "", "4 : MEM 4", 8400, 2880, 855, 375, face);
    CmdButton_MEM5 = button("CmdButton_MEM5", "", "5 : MEM 5", 8400, 3240, 855, 375, face);
    CmdButton_SAVE = hidden(button("CmdButton_SAVE", "", "6 : SAVE", 7560, 1800, 855, 375, face));
    CmdButton_RECALL =
        hidden(button("CmdButton_RECALL", "", "7 : RECALL", 7560, 2520, 855, 375, face));
    CmdButton_CANCEL =
        hidden(button("CmdButton_CANCEL", "", "8 : CANCEL", 7560, 3240, 855, 375, face));
    CmdButton_CONTROLS =
        button("CmdButton_CONTROLS", "", "H : HIDE / SHOW", 8040, 3840, 1215, 375, face);
    CmdButton_OPTIONS =
        button("CmdButton_OPTIONS", "", "O : OPTIONS        ", 8040, 4200, 1215, 375, face);
    CmdButton_WINDOW =
        button("CmdButton_WINDOW", "", "W : WINDOW         ", 8040, 4560, 1215, 375, face);

    Frame_BOTTOM_RIGHT = frame(BR, 6840, 5280, 2415, 1095, back);
    Label_KEYPAD = label("Label_KEYPAD", BR, "NUMERIC KEYPAD", 480, 0, 1455, 255, text);
    CmdButton_HDG_CW = button("CmdButton_HDG_CW", BR, "6 : HDG CW", 0, 360, 1215, 375, face);
    CmdButton_HDG_CCW = button("CmdButton_HDG_CCW", BR, "4 : HDG CCW", 1200, 360, 1215, 375, face);
    CmdButton_CUR_CW = button("CmdButton_CUR_CW", BR, "8 : CUR CW", 0, 720, 1215, 375, face);
    CmdButton_CUR_CCW = button("CmdButton_CUR_CCW", BR, "2 : CUR CCW", 1200, 720, 1215, 375, face);

    Frame_GPS_SPEED = hidden(frame("Frame_GPS_SPEED", 2160, 2040, 1020, 780, WHITE));
    Label_GPS_SPEED =
        warningLabel("Label_GPS_SPEED", "Frame_GPS_SPEED", "   GPS     SPEED", 780, 540);
    Frame_GPS_FAIL = hidden(frame("Frame_GPS_FAIL", 3720, 3720, 855, 735, WHITE));
    Label_GPS_FAIL = warningLabel("Label_GPS_FAIL", "Frame_GPS_FAIL", " GPS    FAIL", 615, 495);

    Label_COM_TIMEOUT = hidden(
        label("Label_COM_TIMEOUT", "",
              "      COM TIMEOUT !                                              ( NO DF DATA )", 0,
              600, 1815, 735, text, TIMEOUT_FONT));
    Label_COM_TIMEOUT.backColour = back;
}

std::vector<Control*> MainControls::all() {
    return {&Frame_TOP_LEFT,
            &Label_VECTRIN_DF_DISPLAY,
            &Label_VERSION,
            &Label_LAST_BRG,
            &Label_TOTAL_BRG,
            &Label_TOTAL_TIME,
            &Frame_TOP_CENTER,
            &Label_SOURCE,
            &Label_HDG,
            &Frame_TOP_RIGHT,
            &Label_COPYRIGHT,
            &Label_CREDIT_NAME,
            &Label_CREDIT_CONTACT,
            &Label_TIME,
            &Label_COMM,
            &CmdButton_ACQUIRE,
            &CmdButton_TEST,
            &CmdButton_DECAY,
            &CmdButton_REDUCE,
            &CmdButton_CLEAR,
            &CmdButton_QUIT,
            &Frame_BOTTOM_LEFT,
            &CmdButton_SECTOR,
            &Label_DECAY,
            &Label_DECAY_RATE,
            &CmdButton_VAR,
            &Label_RANGE,
            &Label_CURSOR,
            &CmdButton_MEM1,
            &CmdButton_MEM2,
            &CmdButton_MEM3,
            &CmdButton_MEM4,
            &CmdButton_MEM5,
            &CmdButton_SAVE,
            &CmdButton_RECALL,
            &CmdButton_CANCEL,
            &CmdButton_CONTROLS,
            &CmdButton_OPTIONS,
            &CmdButton_WINDOW,
            &Frame_BOTTOM_RIGHT,
            &Label_KEYPAD,
            &CmdButton_HDG_CW,
            &CmdButton_HDG_CCW,
            &CmdButton_CUR_CW,
            &CmdButton_CUR_CCW,
            &Frame_GPS_SPEED,
            &Label_GPS_SPEED,
            &Frame_GPS_FAIL,
            &Label_GPS_FAIL,
            &Label_COM_TIMEOUT};
}
