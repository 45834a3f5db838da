// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Form_OPTIONS.h"

#include "core/form_VECTRIN.h"
#include "settings/ColourPicker.h"
#include "settings/ColourPresets.h"

namespace {

constexpr Long BUTTON_HEIGHT = 375;
constexpr Long COLOUR_BUTTON_WIDTH = 2415;
constexpr Long SWATCH_LEFT = 2520;
constexpr Long SWATCH_WIDTH = 615;

} // namespace

Form_OPTIONS::Form_OPTIONS(form_VECTRIN& mainWindow, ColourPresets& colourPresets,
                           ColourPicker& picker, const SystemColours& systemColours,
                           SerialDevices& serialDevices)
    : main(mainWindow), settings(mainWindow.settings), presets(colourPresets),
      CommonDialog1(picker), system(systemColours), devices(serialDevices) {
    const auto F = ControlKind::Frame;
    const auto L = ControlKind::Label;
    const auto B = ControlKind::Button;
    const char* COMM = "frame_COMM";
    const char* SOURCE = "Frame_HEADING_SOURCE";
    const char* VAR = "Frame_HEADING_CORRECTION";
    const char* DECAY = "Frame_DECAY";
    const char* COLORS = "Frame_COLORS";

    frame_COMM = placeControl(COMM, F, "", "COMM PORT", 3600, 120, 2295, 1215);
    CmdButton_COMM_PORT =
        placeControl("CmdButton_COMM_PORT", B, COMM, "COMM PORT : COM 2", 120, 360, 2055, 375);
    CmdButton_COMM_PORT.tag = "COM2 @ ";
    CmdButton_BAUD_RATE =
        placeControl("CmdButton_BAUD_RATE", B, COMM, "BAUD RATE : 4800", 120, 720, 2055, 375);
    CmdButton_BAUD_RATE.tag = "1200 BAUD";

    Frame_HEADING_SOURCE = placeControl(SOURCE, F, "", "HEADING SOURCE", 3600, 1440, 2295, 855);
    CmdButton_HEADING = placeControl("CmdButton_HEADING", B, SOURCE, "MANUAL", 120, 360, 2055, 375);

    Frame_HEADING_CORRECTION = placeControl(VAR, F, "", "MAG VAR", 3600, 2400, 2295, 1095);
    Label_HEADING_CORRECTION =
        placeControl("Label_HEADING_CORRECTION", L, VAR, "000 WEST", 240, 240, 1695, 255);
    CmdButton_ERROR_UP = placeControl("CmdButton_ERROR_UP", B, VAR, "WEST", 120, 600, 975, 375);
    CmdButton_ERROR_DN = placeControl("CmdButton_ERROR_DN", B, VAR, "EAST", 1200, 600, 975, 375);

    Frame_DECAY = placeControl(DECAY, F, "", "DECAY", 3600, 3600, 2295, 855);
    CmdButton_FRAC = placeControl("CmdButton_FRAC", B, DECAY, "FRAC 0.90", 120, 360, 975, 375);
    CmdButton_TIME = placeControl("CmdButton_TIME", B, DECAY, "@  5 SEC", 1200, 360, 975, 375);

    cmdbutton_EXIT = placeControl("cmdbutton_EXIT", B, "", "EXIT", 3600, 4680, 2295, 375);

    Frame_COLORS = placeControl(COLORS, F, "", "COLORS", 120, 120, 3255, 5055);
    struct Row {
        Control& button;
        const char* buttonName;
        const char* caption;
        Control& swatch;
        const char* swatchName;
    };
    const Row rows[] = {
        {cmdbutton_DISPLAY_BACKGROUND_COLOR, "cmdbutton_DISPLAY_BACKGROUND_COLOR",
         "DISPLAY BACKGROUND", Picture_DISPLAY_BACKGROUND_COLOR,
         "Picture_DISPLAY_BACKGROUND_COLOR"},
        {cmdbutton_BUTTON_BACKGROUND_COLOR, "cmdbutton_BUTTON_BACKGROUND_COLOR",
         "BUTTON BACKGROUND", Picture_BUTTON_BACKGROUND_COLOR, "Picture_BUTTON_BACKGROUND_COLOR"},
        {cmdbutton_LEGEND_TEXT_COLOR, "cmdbutton_LEGEND_TEXT_COLOR", "LEGEND TEXT",
         Picture_LEGEND_TEXT_COLOR, "Picture_LEGEND_TEXT_COLOR"},
        {cmdbutton_AZIMUTH_BACKGROUND, "cmdbutton_AZIMUTH_BACKGROUND", "AZIMUTH BACKGROUND",
         Picture_AZIMUTH_BACKGROUND_COLOR, "Picture_AZIMUTH_BACKGROUND_COLOR"},
        {cmdbutton_AZIMUTH_SCALE_COLOR, "cmdbutton_AZIMUTH_SCALE_COLOR", "AZIMUTH SCALE",
         Picture_AZIMUTH_SCALE_COLOR, "Picture_AZIMUTH_SCALE_COLOR"},
        {cmdbutton_RANGE_RINGS_COLOR, "cmdbutton_RANGE_RINGS_COLOR", "RANGE RINGS",
         Picture_RANGE_RINGS_COLOR, "Picture_RANGE_RINGS_COLOR"},
        {cmdbutton_VECTORS_COLOR, "cmdbutton_VECTORS_COLOR", "VECTORS", Picture_VECTORS_COLOR,
         "Picture_VECTORS_COLOR"},
        {cmdbutton_CURSOR_COLOR, "cmdbutton_CURSOR_COLOR", "CURSOR", Picture_CURSOR_COLOR,
         "Picture_CURSOR_COLOR"},
    };
    Long top = 360;
    for (const Row& row : rows) {
        row.button = placeControl(row.buttonName, B, COLORS, row.caption, 120, top,
                                  COLOUR_BUTTON_WIDTH, BUTTON_HEIGHT);
        row.swatch = placeControl(row.swatchName, L, COLORS, "", SWATCH_LEFT, top, SWATCH_WIDTH,
                                  BUTTON_HEIGHT);
        top += 360;
    }

    cmdbutton_DEFAULT_COLORS =
        placeControl("cmdbutton_DEFAULT_COLORS", B, COLORS, "DEFAULT COLORS", 120, 3600, 3015, 375);
    CmdButton_A_COLORS =
        placeControl("CmdButton_A_COLORS", B, COLORS, "A  COLORS", 120, 4080, 1455, 375);
    CmdButton_B_COLORS =
        placeControl("CmdButton_B_COLORS", B, COLORS, "B  COLORS", 1680, 4080, 1455, 375);
    CmdButton_C_COLORS =
        placeControl("CmdButton_C_COLORS", B, COLORS, "C  COLORS", 120, 4560, 1455, 375);
    CmdButton_D_COLORS =
        placeControl("CmdButton_D_COLORS", B, COLORS, "D  COLORS", 1680, 4560, 1455, 375);
    CmdButton_SAVE = placeControl("CmdButton_SAVE", B, COLORS, "SAVE", 120, 3600, 855, 375);
    CmdButton_RECALL = placeControl("CmdButton_RECALL", B, COLORS, "RECALL", 1200, 3600, 855, 375);
    CmdButton_CANCEL = placeControl("CmdButton_CANCEL", B, COLORS, "CANCEL", 2280, 3600, 855, 375);
    CmdButton_SAVE.visible = false;
    CmdButton_RECALL.visible = false;
    CmdButton_CANCEL.visible = false;

    const char* DEVICE = "Frame_SERIAL_DEVICE";
    Frame_SERIAL_DEVICE = placeControl(DEVICE, F, "", "SERIAL DEVICE", 120, 5280, 5775, 2850);
    Label_DEVICE = placeControl("Label_DEVICE", L, DEVICE, "", 120, 300, 5535, 720);
    Label_DEVICE_REASON = placeControl("Label_DEVICE_REASON", L, DEVICE, "", 120, 1080, 5535, 1215);
    CmdButton_CHOOSE_DEVICE = placeControl("CmdButton_CHOOSE_DEVICE", B, DEVICE,
                                           "CHOOSE DEVICE ...", 3600, 2355, 2055, 375);

    for (Control* c : controls())
        if (c->kind == ControlKind::Button) c->backColour = system.buttonFace;
}

std::array<Control*, COLOUR_SLOTS> Form_OPTIONS::swatches() {
    return {&Picture_DISPLAY_BACKGROUND_COLOR,
            &Picture_BUTTON_BACKGROUND_COLOR,
            &Picture_LEGEND_TEXT_COLOR,
            &Picture_AZIMUTH_BACKGROUND_COLOR,
            &Picture_AZIMUTH_SCALE_COLOR,
            &Picture_RANGE_RINGS_COLOR,
            &Picture_VECTORS_COLOR,
            &Picture_CURSOR_COLOR};
}

void Form_OPTIONS::showSettings() {
    const auto swatch = swatches();
    for (std::size_t k = 0; k < COLOUR_SLOTS; ++k)
        swatch[k]->backColour = settings.colours[k];
    CmdButton_TIME.tag = settings.decayIntervalTag;
    CmdButton_FRAC.tag = settings.decayFractionTag;
    CmdButton_HEADING.caption = settings.headingSource;
    if (visible) showPortDevice(*this);
}

std::vector<Control*> Form_OPTIONS::controls() {
    showSettings();
    const auto swatch = swatches();
    return {&frame_COMM,
            &CmdButton_COMM_PORT,
            &CmdButton_BAUD_RATE,
            &Frame_HEADING_SOURCE,
            &CmdButton_HEADING,
            &Frame_HEADING_CORRECTION,
            &Label_HEADING_CORRECTION,
            &CmdButton_ERROR_UP,
            &CmdButton_ERROR_DN,
            &Frame_DECAY,
            &CmdButton_FRAC,
            &CmdButton_TIME,
            &cmdbutton_EXIT,
            &Frame_COLORS,
            &cmdbutton_DISPLAY_BACKGROUND_COLOR,
            &cmdbutton_BUTTON_BACKGROUND_COLOR,
            &cmdbutton_LEGEND_TEXT_COLOR,
            &cmdbutton_AZIMUTH_BACKGROUND,
            &cmdbutton_AZIMUTH_SCALE_COLOR,
            &cmdbutton_RANGE_RINGS_COLOR,
            &cmdbutton_VECTORS_COLOR,
            &cmdbutton_CURSOR_COLOR,
            swatch[0],
            swatch[1],
            swatch[2],
            swatch[3],
            swatch[4],
            swatch[5],
            swatch[6],
            swatch[7],
            &cmdbutton_DEFAULT_COLORS,
            &CmdButton_A_COLORS,
            &CmdButton_B_COLORS,
            &CmdButton_C_COLORS,
            &CmdButton_D_COLORS,
            &CmdButton_SAVE,
            &CmdButton_RECALL,
            &CmdButton_CANCEL,
            &Frame_SERIAL_DEVICE,
            &Label_DEVICE,
            &Label_DEVICE_REASON,
            &CmdButton_CHOOSE_DEVICE};
}
