// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

// How long the exported lines of bearing are unless --length says otherwise.
inline constexpr double DEFAULT_LINE_KM = 10;

// What the command line asks for. Qt's own options (-platform, -display,
// -style, ...) are not ours: they are kept, with their values, for Qt.
struct CommandLine {
    bool help = false;
    bool version = false;
    std::string settingsFolder;        // empty: the usual folder
    std::string replay;                // a recorded session to play; empty: the serial port
    double speed = 1;                  // how many times faster the replay runs
    std::string exportKml;             // a bearing log to write as KML; empty: none
    double lengthKm = DEFAULT_LINE_KM; // how long the exported lines of bearing are
    std::vector<char*> qtArguments;    // the program's name, then Qt's options
    std::string display;               // the value of Qt's -display, if given
    bool platformChosen = false;       // Qt's -platform was given
};

struct ParsedCommandLine {
    CommandLine line;
    std::optional<std::string> error; // set when the command line is wrong
};

ParsedCommandLine parseCommandLine(int argc, char** argv);

// The --help text, made from the table of options.
std::string usage();
