// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/StartUp.h"

#include "commands/AcquisitionCommands.h"
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

#include <exception>
#include <functional>

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

// One pass over a settings text; false when it failed part way.
bool loadPass(Form_OPTIONS& o, const std::function<std::string()>& text) {
    try {
        const std::string contents = text();
        SettingsReader items(contents);
        applySettings(o, items);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

void applySettings(Form_OPTIONS& o, SettingsReader& items) {
    form_VECTRIN& f = o.main;
    ColourPresets& p = o.presets;
    for (p.PRESET_SELECT = 1; p.PRESET_SELECT <= PRESETS; ++p.PRESET_SELECT)
        for (int k = 1; k <= SLOTS; ++k)
            p.at(p.PRESET_SELECT, k) = items.longInteger();
    p.PRESET_SELECT = 1;
    f.MSComm1.setPortNumber(items.integer());
    o.BAUD_RATE = items.integer();
    if (items.item() == ACQUIRE_OFF) CmdButton_ACQUIRE_Click(f);
    if (items.item() == TEST_OFF) CmdButton_TEST_Click(f);
    if (items.item() == "GPS") useGpsHeading(o);
    o.settings.HEADING_CORRECTION = items.integer();
    CmdButton_ERROR_UP_Click(o);
}

void Form_Load(Form_OPTIONS& o, const SettingsFile& file) {
    form_VECTRIN& f = o.main;
    f.COPYRIGHT = 0;
    const auto fromFile = [&file] { return file.read(); };
    if (!loadPass(o, fromFile)) {
        const std::string defaults = settingsText(defaultSettings());
        file.keepBeforeReplacing();
        if (!file.write(defaults) || !loadPass(o, fromFile))
            loadPass(o, [&defaults] { return defaults; });
    }

    showPortNumber(o, f.MSComm1.portNumber());
    setBaudRate(o, o.BAUD_RATE);
    showComm(o);

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
    record.acquireCaption = f.CmdButton_ACQUIRE.caption;
    record.testCaption = f.CmdButton_TEST.caption;
    record.headingSource = o.settings.headingSource;
    record.variationMinusOne = o.settings.HEADING_CORRECTION - 1;
    return record;
}

void Form_Unload(Form_OPTIONS& o, const SettingsFile& file) {
    form_VECTRIN& f = o.main;
    if (f.MSComm1.isOpen()) f.MSComm1.close();
    for (int k = 1; k <= SLOTS; ++k)
        o.presets.at(1, k) = static_cast<Long>(o.settings.colours[k - 1]);
    file.write(settingsText(settingsOf(o)));
}
