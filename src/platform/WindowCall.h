// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>

#include <functional>
#include <string>

// The program that holds a settings folder takes calls on a local socket
// named after the folder, in the user's runtime folder; a second start on
// the same folder calls it, and it brings its window to the front.
class WindowCall {
public:
    // Takes calls for `folder` (only the holder of the folder's lock may):
    // each runs `onCall`.
    WindowCall(const std::string& folder, std::function<void()> onCall);

    // Calls the program that holds `folder`; true when it answered.
    static bool call(const std::string& folder);

private:
    QLocalServer server_;
    std::function<void()> onCall_;
};
