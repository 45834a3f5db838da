// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/DisplayCheck.h"
#include "app/ExportKmlCommand.h"
#include "app/RunDisplay.h"

#include "core/Version.h"

#include <iostream>

namespace {

// Exit statuses besides 0: the window could not be opened, the command line
// was wrong.
constexpr int NO_DISPLAY = 1;
constexpr int USAGE = 2;

} // namespace

// Reads the command line before anything opens a window: help, the version,
// the KML export and a wrong command line need no display and touch no
// settings.
int main(int argc, char** argv) {
    ParsedCommandLine parsed = parseCommandLine(argc, argv);
    if (parsed.error) {
        std::cerr << "vectrin: " << *parsed.error << "\n\n" << usage();
        return USAGE;
    }
    CommandLine& line = parsed.line;
    if (line.help) {
        std::cout << usage();
        return 0;
    }
    if (line.version) {
        std::cout << "vectrin " << VECTRIN_VERSION << "\n";
        return 0;
    }
    if (!line.exportKml.empty()) return exportKmlCommand(line.exportKml, line.lengthKm);
    if (const auto problem = displayProblem(line)) {
        std::cerr << "vectrin: " << *problem << "\n";
        return NO_DISPLAY;
    }
    return runDisplay(line);
}
