// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QtOptions.h"

#include <algorithm>
#include <array>

namespace {

// The options that QGuiApplication, QApplication and the X11 platform plugin
// take from the command line.
constexpr std::array<std::string_view, 16> SEPARATE = {"platform",
                                                       "platformpluginpath",
                                                       "platformtheme",
                                                       "plugin",
                                                       "qwindowgeometry",
                                                       "geometry",
                                                       "qwindowtitle",
                                                       "title",
                                                       "qwindowicon",
                                                       "icon",
                                                       "session",
                                                       "display",
                                                       "name",
                                                       "visual",
                                                       "style",
                                                       "stylesheet"};
constexpr std::array<std::string_view, 6> SWITCHES = {"reverse", "widgetcount", "nograb",
                                                      "dograb",  "sync",        "testability"};
constexpr std::array<std::string_view, 3> JOINED = {"style", "stylesheet", "qmljsdebugger"};

bool contains(const auto& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

QtOptionKind qtOptionKind(std::string_view argument, std::string_view& name) {
    if (!argument.starts_with('-')) return QtOptionKind::None;
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    const auto equals = argument.find('=');
    if (equals != std::string_view::npos) {
        name = argument.substr(0, equals);
        return contains(JOINED, name) ? QtOptionKind::Joined : QtOptionKind::None;
    }
    name = argument;
    if (contains(SEPARATE, name)) return QtOptionKind::Separate;
    return contains(SWITCHES, name) ? QtOptionKind::Switch : QtOptionKind::None;
}
