// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ExportKmlCommand.h"

#include "session/KmlExport.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>

namespace {

constexpr int FAILED = 1;

int failure(const std::string& what) {
    std::cerr << "vectrin: " << what << ": " << std::strerror(errno) << "\n";
    return FAILED;
}

} // namespace

int exportKmlCommand(const std::string& log, double lengthKm) {
    errno = 0;
    std::ifstream in(log, std::ios::binary);
    in.peek(); // a folder opens, but reading it fails
    if (!in.is_open() || in.bad()) return failure("cannot read " + log);
    const KmlExportCount count = exportKml(in, std::cout, lengthKm);
    if (in.bad()) return failure("cannot read " + log);
    if (!std::cout.flush()) return failure("cannot write the KML");
    std::cerr << "vectrin: lines of bearing written: " << count.lines;
    if (count.withoutPosition || count.unreadable)
        std::cerr << "; left out: " << count.withoutPosition << " without a position, "
                  << count.unreadable << " unreadable";
    std::cerr << "\n";
    return 0;
}
