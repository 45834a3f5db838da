// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <ostream>

// What an export made of a log.
struct KmlExportCount {
    int lines = 0;           // lines of bearing written
    int withoutPosition = 0; // bearings logged without a fix, left out
    int unreadable = 0;      // lines that are no line of the log, left out
};

// Writes the bearings of a bearing log as a KML document: one placemark per
// bearing that has a position, with its UTC time, holding the line of bearing
// from that position along the true bearing for `kilometres` (a great circle,
// a point every kilometre, 64 points at the most).
KmlExportCount exportKml(std::istream& log, std::ostream& kml, double kilometres);
