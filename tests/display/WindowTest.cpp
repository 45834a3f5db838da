// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/FormResize.h"
#include "display/WindowCommands.h"

#include "support/DisplayFixture.h"

#include <cmath>
#include <map>
#include <set>

namespace {

const char *TL = "Frame_TOP_LEFT", *TC = "Frame_TOP_CENTER", *TR = "Frame_TOP_RIGHT",
           *BL = "Frame_BOTTOM_LEFT", *BR = "Frame_BOTTOM_RIGHT";

// The control inventory: container, design place in twips, caption and font
// (f frame, b button "Small Fonts" 6.75, l label Arial bold 8.25, and the
// labels' own sizes: t 11.25 italic, h 14.25, w 9.75, c 9).
TEST(MainControls, EveryControlHasItsDesignCaptionPlaceAndFont) {
    // Name, container, left, top, width, height, caption, font.
    using Row = std::tuple<const char*, const char*, Long, Long, Long, Long, const char*, char>;
    const Row rows[] = {
        {"Frame_TOP_LEFT", "", 120, 120, 2175, 1335, "", 'f'},
        {"Label_VECTRIN_DF_DISPLAY", TL, 0, 0, 2175, 255, "ZIRC DF Display", 't'},
        {"Label_VERSION", TL, 0, 255, 975, 255, "Ver. 1.2", 't'},
        {"Label_LAST_BRG", TL, 0, 600, 1935, 255, "LAST BRG : 000", 'l'},
        {"Label_TOTAL_BRG", TL, 0, 855, 2055, 255, "TOTAL BRG : 000", 'l'},
        {"Label_TOTAL_TIME", TL, 0, 1110, 2175, 255, "TOTAL TIME : 0000", 'l'},
        {"Frame_TOP_CENTER", "", 3840, 50, 3000, 500, "", 'f'},
        {"Label_SOURCE", TC, 375, 0, 1500, 255, "SOURCE : TEST", 'l'},
        {"Label_HDG", TC, 60, 200, 3000, 480, "MAN 000 TRU", 'h'},
        {"Frame_TOP_RIGHT", "", 7320, 120, 1935, 1455, "", 'f'},
        {"Label_COPYRIGHT", TR, 720, 0, 1335, 255, COPYRIGHT_TEXT, 'l'},
        {"Label_CREDIT_NAME", TR, 0, 240, 2055, 255, CREDIT_NAME_TEXT, 'l'},
        {"Label_CREDIT_CONTACT", TR, 120, 480, 1815, 255, CREDIT_CONTACT_TEXT, 'l'},
        {"Label_TIME", TR, 240, 960, 1335, 255, "00:00:00 AM", 'l'},
        {"Label_COMM", TR, 240, 1200, 1695, 255, "COM2 @ 4800 BAUD", 'l'},
        {"CmdButton_ACQUIRE", "", 120, 1800, 1455, 375, "A:ACQUIRE    ( ON )", 'b'},
        {"CmdButton_TEST", "", 120, 2160, 1455, 375, "T:TEST             ( ON )", 'b'},
        {"CmdButton_DECAY", "", 120, 2520, 1455, 375, "D:DECAY        ( OFF )", 'b'},
        {"CmdButton_REDUCE", "", 120, 2880, 1455, 375, "R:REDUCE        10%  ", 'b'},
        {"CmdButton_CLEAR", "", 120, 3240, 1455, 375, "C:CLEAR DISPLAY  ", 'b'},
        {"CmdButton_QUIT", "", 120, 3600, 1455, 375, "Q:QUIT PROGRAM  ", 'b'},
        {"Frame_BOTTOM_LEFT", "", 120, 4320, 1815, 2055, "",
         'f'}, // wide enough for RANGE 10000 BRGS
        {"CmdButton_SECTOR", BL, 0, 0, 1455, 375, "S:SECTOR     4 DEG", 'b'},
        {"Label_DECAY", BL, 0, 480, 1215, 255, "DECAY RATE :", 'l'},
        {"Label_DECAY_RATE", BL, 0, 735, 1455, 255, "0.90 @  5 SEC", 'l'},
        {"CmdButton_VAR", BL, 0, 1080, 1215, 375, "V:VAR          OFF", 'b'},
        {"Label_RANGE", BL, 0, 1560, 1815, 255, "RANGE : 60 BRGS ", 'l'},
        {"Label_CURSOR", BL, 0, 1815, 1455, 255, "CURSOR : 000 TRU", 'l'},
        {"CmdButton_MEM1", "", 8400, 1800, 855, 375, "1 : MEM 1", 'b'},
        {"CmdButton_MEM2", "", 8400, 2160, 855, 375, "2 : MEM 2", 'b'},
        {"CmdButton_MEM3", "", 8400, 2520, 855, 375, "3 : MEM 3", 'b'},
        {"CmdButton_MEM4", "", 8400, 2880, 855, 375, "4 : MEM 4", 'b'},
        {"CmdButton_MEM5", "", 8400, 3240, 855, 375, "5 : MEM 5", 'b'},
        {"CmdButton_SAVE", "", 7560, 1800, 855, 375, "6 : SAVE", 'b'},
        {"CmdButton_RECALL", "", 7560, 2520, 855, 375, "7 : RECALL", 'b'},
        {"CmdButton_CANCEL", "", 7560, 3240, 855, 375, "8 : CANCEL", 'b'},
        {"CmdButton_CONTROLS", "", 8040, 3840, 1215, 375, "H : HIDE / SHOW", 'b'},
        {"CmdButton_OPTIONS", "", 8040, 4200, 1215, 375, "O : OPTIONS        ", 'b'},
        {"CmdButton_WINDOW", "", 8040, 4560, 1215, 375, "W : WINDOW         ", 'b'},
        {"Frame_BOTTOM_RIGHT", "", 6840, 5280, 2415, 1095, "", 'f'},
        {"Label_KEYPAD", BR, 480, 0, 1455, 255, "NUMERIC KEYPAD", 'l'},
        {"CmdButton_HDG_CW", BR, 0, 360, 1215, 375, "6 : HDG CW", 'b'},
        {"CmdButton_HDG_CCW", BR, 1200, 360, 1215, 375, "4 : HDG CCW", 'b'},
        {"CmdButton_CUR_CW", BR, 0, 720, 1215, 375, "8 : CUR CW", 'b'},
        {"CmdButton_CUR_CCW", BR, 1200, 720, 1215, 375, "2 : CUR CCW", 'b'},
        {"Frame_GPS_SPEED", "", 2160, 2040, 1020, 780, "", 'f'},
        {"Label_GPS_SPEED", "Frame_GPS_SPEED", 120, 120, 780, 540, "   GPS     SPEED", 'w'},
        {"Frame_GPS_FAIL", "", 3720, 3720, 855, 735, "", 'f'},
        {"Label_GPS_FAIL", "Frame_GPS_FAIL", 120, 120, 615, 495, " GPS    FAIL", 'w'},
        {"Label_COM_TIMEOUT", "", 0, 600, 1815, 735,
         "      COM TIMEOUT !                                              ( NO DF DATA )", 'c'}};
    const std::map<char, Font> fonts{
        {'b', {"Small Fonts", 6.75f, false, false}}, {'l', {"Arial", 8.25f, true, false}},
        {'t', {"Arial", 11.25f, true, true}},        {'h', {"Arial", 14.25f, true, false}},
        {'w', {"Arial", 9.75f, true, false}},        {'c', {"Arial", 9, true, false}}};
    const std::set<std::string> hidden{
        "Label_COPYRIGHT",  "Label_CREDIT_CONTACT", "CmdButton_SAVE", "CmdButton_RECALL",
        "CmdButton_CANCEL", "Frame_GPS_SPEED",      "Frame_GPS_FAIL", "Label_COM_TIMEOUT"};
    TestRig rig;
    const auto all = rig.f.all();
    for (const auto& [name, container, left, top, width, height, caption, font] : rows) {
        const auto found = std::ranges::find(all, name, &Control::name);
        ASSERT_NE(found, all.end()) << name;
        const Control& c = **found;
        const auto kind = font == 'f'   ? ControlKind::Frame
                          : font == 'b' ? ControlKind::Button
                                        : ControlKind::Label;
        EXPECT_EQ(
            (std::tuple{c.container, c.left, c.top, c.width, c.height, c.caption, c.visible, c.kind,
                        c.font}),
            (std::tuple{std::string(container), left, top, width, height, std::string(caption),
                        !hidden.contains(name), kind, font == 'f' ? c.font : fonts.at(font)}))
            << name;
    }
    // The GPS warnings are red on white.
    for (const Control* c : {&rig.f.Label_GPS_SPEED, &rig.f.Label_GPS_FAIL})
        EXPECT_EQ((std::pair{c->textColour, c->backColour}),
                  (std::pair{Colour{0x0000FF}, std::optional<Colour>{0xFFFFFF}}));
}

struct Resize : OnDesignWindow {
    void resizeTo(TwipsSize client, TwipsSize window) {
        rig.surface.client = client;
        rig.surface.window = window;
        Form_Resize(f);
    }
};

// The circle's diameter is 0.8 of the client height, also in a window
// narrower than high; the centre sits 250 below the middle. Clear, then one
// cycle layers the scale, the rings, the cursor and the spokes (scale lines
// and labels, the cursor's marker, the refresh go with their layer), each over
// the one before, and leaves the pen thin, solid and transparent. The cursor
// is erased on the new circle: erased where it stood on the old one, it would
// leave a line of the disk's colour outside a smaller disk.
TEST_F(Resize, ClearsThenLayersEverythingOnTheCircleThatTheClientAreaGives) {
    f.BRG_SUM[10] = f.MAXVECTOR = 30;
    f.RINGCOUNT = f.OLDRINGCOUNT = 4;
    const std::map<Colour, char> layerOf{{5, 's'}, {6, 'r'}, {8, 'c'}, {7, 'v'}};
    using Row = std::tuple<TwipsSize, TwipsSize, Single, Single, Single>;
    for (const auto& [client, window, radius, x, y] :
         {Row{{9780, 6795}, {9900, 7200}, 2718, 4890, 3647.5f},
          Row{{6000, 9000}, {6120, 9400}, 3600, 3000, 4750},
          Row{{3000, 2000}, {3120, 2400}, 800, 1500, 1250}}) {
        SCOPED_TRACE(radius);
        rig.surface.ops.clear();
        f.NEWVECTOR = true;
        resizeTo(client, window);
        EXPECT_EQ((std::tuple{f.AZRADIUS, f.CENTERX, f.CENTERY}), (std::tuple{radius, x, y}));
        const DrawOp erased = opsOf(DrawOp::Line, 4).front();
        EXPECT_NEAR(std::hypot(erased.dx, erased.dy), radius, 1);
        std::string layers;
        for (const DrawOp& op : rig.surface.ops)
            if (const auto l = layerOf.find(op.pen.foreColour);
                op.kind != DrawOp::Clear && l != layerOf.end() && !layers.ends_with(l->second))
                layers += l->second;
        const PenState& pen = rig.surface.pen;
        EXPECT_EQ((std::tuple{layers, rig.surface.ops.front().kind, rig.surface.ops.back().kind,
                              pen.lineWidth, pen.lineStyle, pen.fillStyle}),
                  (std::tuple{std::string("srcv"), DrawOp::Clear, DrawOp::Refresh, 1,
                              LineStyle::Solid, FillStyle::Transparent}));
    }
}

// The hide/show button heads the right column while anything is hidden.
TEST_F(Resize, MovesTheRightColumnsBottomFramesWarningsAndTheHideShowButton) {
    for (const auto& [state, top] : {std::pair<Integer, Long>{1, 200}, {2, 200}, {0, 3840}}) {
        f.SHOW_HIDE = state;
        f.CmdButton_CONTROLS.left = 0;
        resizeTo({11880, 8500}, {12000, 9000});
        EXPECT_EQ((std::pair{f.CmdButton_CONTROLS.top, f.CmdButton_CONTROLS.left}),
                  (std::pair{top, Long{10440}}))
            << state;
    }
    const std::vector<std::pair<Long, Long>> moved{
        {f.CmdButton_MEM5.left, 10800},    {f.CmdButton_SAVE.left, 9960},
        {f.CmdButton_RECALL.left, 9960},   {f.CmdButton_CANCEL.left, 9960},
        {f.CmdButton_OPTIONS.left, 10440}, {f.CmdButton_WINDOW.left, 10440},
        {f.Frame_TOP_RIGHT.left, 9720},    {f.Frame_BOTTOM_LEFT.top, 6375},
        {f.Frame_TOP_CENTER.left, 4950},   {f.Frame_BOTTOM_RIGHT.top, 7335},
        {f.Frame_BOTTOM_RIGHT.left, 9240}, {f.Frame_GPS_FAIL.top, 4135},
        {f.Frame_GPS_FAIL.left, 5515},     {f.Frame_GPS_SPEED.top, 4110},
        {f.Frame_GPS_SPEED.left, 5430},    {f.CmdButton_ACQUIRE.left, 120}};
    for (std::size_t i = 0; i < moved.size(); ++i)
        EXPECT_EQ(moved[i].first, moved[i].second) << "row " << i;
}

using WindowCommands = OnDesignWindow;

// H switches the command buttons with Frame_BOTTOM_RIGHT, and the labels with
// the other frames; the controls outside that scheme keep what other steps
// gave them. Label_COPYRIGHT and Label_CREDIT_CONTACT, hidden at start, show too.
TEST_F(WindowCommands, ThreeHideShowPressesRunThroughTheStatesAndBack) {
    const std::set<std::string> outside{"CmdButton_CONTROLS", "CmdButton_SAVE", "CmdButton_RECALL",
                                        "CmdButton_CANCEL",   "Label_KEYPAD",   "Frame_GPS_SPEED",
                                        "Label_GPS_SPEED",    "Frame_GPS_FAIL", "Label_GPS_FAIL",
                                        "Label_COM_TIMEOUT"};
    f.CmdButton_MEM2.visible = false; // as the memories leave it
    f.CmdButton_SAVE.visible = true;
    f.Frame_GPS_FAIL.visible = true;
    f.CmdButton_CONTROLS.left = 1234;
    std::vector<bool> before;
    for (const Control* c : f.all())
        before.push_back(c->visible);
    using Row = std::tuple<Integer, Long, bool, bool, bool>;
    for (const auto& [state, top, buttons, labels, topRight] :
         {Row{1, 200, false, true, false}, Row{2, 200, false, false, false},
          Row{0, 3840, true, true, true}}) {
        CmdButton_CONTROLS_Click(f);
        SCOPED_TRACE(state);
        EXPECT_EQ((std::tuple{f.SHOW_HIDE, f.CmdButton_CONTROLS.top, f.CmdButton_CONTROLS.left}),
                  (std::tuple{state, top, Long{1234}}));
        const auto all = f.all();
        for (std::size_t i = 0; i < all.size(); ++i) {
            const Control& c = *all[i];
            const bool expected = outside.contains(c.name)      ? before[i]
                                  : c.name == "Frame_TOP_RIGHT" ? topRight
                                  : c.kind == ControlKind::Button || c.name == "Frame_BOTTOM_RIGHT"
                                      ? buttons
                                      : labels;
            EXPECT_EQ(c.visible, expected) << c.name;
        }
    }
    EXPECT_TRUE(rig.surface.ops.empty());
}

} // namespace
