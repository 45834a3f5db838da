// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsLoad.h"

#include "commands/PortWait.h"
#include "settings/Form_OPTIONS.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsFormat.h"
#include "settings/StartUp.h"

#include <exception>
#include <functional>
#include <ostream>
#include <string>

namespace {

// One pass over a settings text: empty when it was applied, else why not.
struct Pass {
    std::string failure;
    bool portAwaited = false;
};

Pass loadPass(Form_OPTIONS& o, const std::function<std::string()>& text) {
    Pass pass;
    try {
        const std::string contents = text();
        SettingsReader items(contents);
        pass.portAwaited = applySettings(o, items);
    } catch (const std::exception& e) {
        pass.failure = e.what();
    }
    return pass;
}

// The file is left alone: the defaults are applied without it.
void builtInDefaults(Form_OPTIONS& o) {
    const std::string defaults = settingsText(defaultSettings());
    loadPass(o, [&defaults] { return defaults; });
}

} // namespace

void loadSettings(Form_OPTIONS& o, SettingsFile& file) {
    std::ostream& say = file.messages();
    const std::string path = file.path().string();
    const std::string leftAlone =
        ": it is left as it is, and this run uses the default settings and saves nothing\n";
    const bool pinned = file.pinned();
    if (pinned) file.stopSaving();
    const auto fromFile = [&file] { return file.read(); };
    const Pass first = loadPass(o, fromFile);
    if (first.failure.empty()) {
        if (pinned)
            say << "vectrin: " << path << " is read-only: its settings are used, and changes "
                << "made in this run are not saved\n";
        if (first.portAwaited) awaitDfPort(o.main);
        return;
    }
    const std::string unusable = "vectrin: " + path + " cannot be used (" + first.failure + ")";
    if (pinned) {
        say << unusable << " and is read-only" << leftAlone;
        builtInDefaults(o);
        return;
    }
    if (!file.keepBeforeReplacing()) {
        say << unusable << ", and no copy of it can be kept (" << file.failure() << ")"
            << leftAlone;
        file.stopSaving();
        builtInDefaults(o);
        return;
    }
    if (!file.write(settingsText(defaultSettings()))) {
        say << "vectrin: cannot write the default settings to " << path << " (" << file.failure()
            << "): this run uses the default settings\n";
        builtInDefaults(o);
        return;
    }
    if (!file.copy().empty())
        say << unusable << ": the defaults replace it, and it is kept as " << file.copy().string()
            << "\n";
    if (!loadPass(o, fromFile).failure.empty()) builtInDefaults(o);
}
