// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/EndSignals.h"

class MainWindowView;
class Program;
class QApplication;

// Ends that come from outside the window end the program as QUIT does (the
// settings written, the port closed): SIGTERM, SIGHUP and SIGINT, the
// session manager's request at the end of the desktop session, and the X
// server going away with the session (Qt then ends the process with exit(),
// and the settings are written on the way out). One for the whole run.
class OutsideEnds {
public:
    OutsideEnds(QApplication& app, Program& program, MainWindowView& view);
    OutsideEnds(const OutsideEnds&) = delete;
    OutsideEnds& operator=(const OutsideEnds&) = delete;
    ~OutsideEnds();

private:
    EndSignals signals_;
};
