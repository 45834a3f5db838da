// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/StartUp.h"

#include "commands/AcquisitionCommands.h"
#include "commands/PortOpening.h"
#include "core/Captions.h"
#include "core/Numbers.h"
#include "core/form_VECTRIN.h"
#include "settings/ColourPresets.h"
#include "settings/ColourScheme.h"
#include "settings/CommCommands.h"
#include "settings/Form_OPTIONS.h"
#include "settings/OptionsCommands.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsFormat.h"
#include "settings/SettingsLoad.h"

#include <ostream>

namespace {

constexpr std::size_t HDG_LABEL_TAIL = 7;
constexpr int SLOTS = static_cast<int>(COLOUR_SLOTS);

// The GPS supplies the heading: the manual heading cannot be stepped.
void useGpsHeading(Form_OPTIONS& o) {
    form_VECTRIN& f = o.main;
    o.settings.headingSource = "GPS";
    f.GPS_TIMER = true;
    f.Frame_GPS_FAIL.visible = false;
    f.CmdButton_HDG_CCW.visible = false;
    f.CmdButton_HDG_CW.visible = false;
    f.Label_HDG.caption = "GPS " + lastChars(f.Label_HDG.caption, HDG_LABEL_TAIL);
}

} // namespace

bool applySettings(Form_OPTIONS& o, SettingsReader& items) {
    form_VECTRIN& f = o.main;
    ColourPresets& p = o.presets;
    for (p.PRESET_SELECT = 1; p.PRESET_SELECT <= PRESETS; ++p.PRESET_SELECT)
        for (int k = 1; k <= SLOTS; ++k)
            p.at(p.PRESET_SELECT, k) = items.longInteger();
    p.PRESET_SELECT = 1;
    f.MSComm1.setPortNumber(items.integer());
    o.BAUD_RATE = items.integer();
    if (items.item() == ACQUIRE_OFF) CmdButton_ACQUIRE_Click(f);
    bool portAwaited = false;
    if (items.item() == TEST_OFF) {
        try {
            CmdButton_TEST_Click(f);
        } catch (const SerialPortError&) {
            portAwaited = true; // Label_COMM says why; the rest of the file still applies
        }
    }
    if (items.item() == "GPS") useGpsHeading(o);
    o.settings.HEADING_CORRECTION = items.integer();
    CmdButton_ERROR_UP_Click(o);
    return portAwaited;
}

void Form_Load(Form_OPTIONS& o, SettingsFile& file) {
    form_VECTRIN& f = o.main;
    f.COPYRIGHT = 0;
    loadSettings(o, file);

    showPortNumber(o, f.MSComm1.portNumber());
    setBaudRate(o, o.BAUD_RATE);
    showComm(o);
    if (f.DF_PORT_AWAITED) showPortFailure(f, f.PORT_FAILURE_TEXT);

    for (int k = 1; k <= SLOTS; ++k)
        o.settings.colours[k - 1] = static_cast<Colour>(o.presets.at(1, k));
    applyWindowColours(o);
}

SettingsRecord settingsOf(Form_OPTIONS& o) {
    form_VECTRIN& f = o.main;
    SettingsRecord record;
    record.colours = o.presets.COLOR_PRESETS;
    record.port = f.MSComm1.portNumber();
    record.baudRate = o.BAUD_RATE;
    // Acquisition that waits for its port is written as the file asked for it.
    record.acquireCaption = f.DF_PORT_AWAITED ? ACQUIRE_ON : f.CmdButton_ACQUIRE.caption;
    record.testCaption = f.DF_PORT_AWAITED ? TEST_OFF : f.CmdButton_TEST.caption;
    record.headingSource = o.settings.headingSource;
    record.variationMinusOne = o.settings.HEADING_CORRECTION - 1;
    return record;
}

void Form_Unload(Form_OPTIONS& o, const SettingsFile& file) {
    form_VECTRIN& f = o.main;
    if (f.MSComm1.isOpen()) f.MSComm1.close();
    for (int k = 1; k <= SLOTS; ++k)
        o.presets.at(1, k) = static_cast<Long>(o.settings.colours[k - 1]);
    if (file.saving() && !file.write(settingsText(settingsOf(o))))
        file.messages() << "vectrin: cannot save the settings to " << file.path().string() << " ("
                        << file.failure() << ")\n";
}
