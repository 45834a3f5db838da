// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/KmlExport.h"

#include "session/BearingLogFormat.h"
#include "session/GreatCircle.h"
#include "session/NumberText.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr int MOST_SEGMENTS = 63;

std::string coordinates(const GpsFix& fix, int bearing, double kilometres) {
    const int segments = std::clamp(static_cast<int>(std::ceil(kilometres)), 1, MOST_SEGMENTS);
    const LatLon start{fix.latitude, fix.longitude};
    std::string text;
    for (int i = 0; i <= segments; ++i) {
        const LatLon at = greatCircleDestination(start, bearing, kilometres * i / segments);
        if (i) text += ' ';
        text.append(degreesText(at.longitude)).append(",").append(degreesText(at.latitude));
    }
    return text;
}

void placemark(std::ostream& kml, const LogRow& row, double kilometres) {
    const std::string bearing = std::to_string(row.trueBearing);
    kml << "<Placemark><name>" << bearing << "\u00B0 " << row.time.substr(0, 8)
        << "</name>\n<description>true bearing " << bearing << "\u00B0, relative " << row.relative
        << "\u00B0, heading " << row.heading << "\u00B0 (" << row.source << "), local time "
        << row.date << " " << row.time << "</description>\n"
        << "<TimeStamp><when>" << row.fix->utc << "</when></TimeStamp>"
        << "<styleUrl>#bearing</styleUrl>\n<LineString><tessellate>1</tessellate><coordinates>"
        << coordinates(*row.fix, row.trueBearing, kilometres)
        << "</coordinates></LineString></Placemark>\n";
}

} // namespace

KmlExportCount exportKml(std::istream& log, std::ostream& kml, double kilometres) {
    kml << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<kml xmlns=\"http://www.opengis.net/kml/2.2\"><Document>\n"
           "<name>Lines of bearing</name>\n"
           "<Style id=\"bearing\"><LineStyle><color>ff0000ff</color><width>2</width>"
           "</LineStyle></Style>\n";
    KmlExportCount count;
    for (std::string line; std::getline(log, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line == BEARING_LOG_HEADER) continue;
        const std::optional<LogRow> row = parseRow(line);
        if (!row)
            ++count.unreadable;
        else if (!row->fix)
            ++count.withoutPosition;
        else {
            placemark(kml, *row, kilometres);
            ++count.lines;
        }
    }
    kml << "</Document></kml>\n";
    return count;
}
