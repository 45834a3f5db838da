// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// How Qt reads one of its own command-line options.
enum class QtOptionKind {
    None,     // not one of Qt's options
    Switch,   // -reverse
    Separate, // -platform offscreen
    Joined,   // -qmljsdebugger=port:1234
};

// The kind of Qt option that `argument` is. Qt takes its options with one
// dash or two (-platform, --platform); `name` receives the option's name
// without dashes and without a joined value.
QtOptionKind qtOptionKind(std::string_view argument, std::string_view& name);
