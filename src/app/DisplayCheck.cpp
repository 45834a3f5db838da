// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DisplayCheck.h"

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

std::optional<std::string> displayProblem(const CommandLine& line) {
    if (line.platformChosen || !environment("QT_QPA_PLATFORM").empty()) return {};
    const bool fromOption = !line.display.empty();
    const std::string display = fromOption ? line.display : environment("DISPLAY");
    if (display.empty()) {
        if (!environment("WAYLAND_DISPLAY").empty()) return {};
        return "no display to open the window on: DISPLAY is not set";
    }
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const bool reached = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (reached) return {};
    return "cannot open the display \"" + display + "\" named by " +
           (fromOption ? "-display" : "DISPLAY");
}
