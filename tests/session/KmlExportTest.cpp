// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/KmlExport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr double RADIANS = std::numbers::pi / 180;
constexpr double EARTH_RADIUS_KM = 6371.0088;

struct Point {
    double longitude, latitude;
};

// Haversine distance and initial course between two points, in kilometres and
// degrees true.
double distance(Point a, Point b) {
    const double h = std::pow(std::sin((b.latitude - a.latitude) * RADIANS / 2), 2) +
                     std::cos(a.latitude * RADIANS) * std::cos(b.latitude * RADIANS) *
                         std::pow(std::sin((b.longitude - a.longitude) * RADIANS / 2), 2);
    return 2 * EARTH_RADIUS_KM * std::asin(std::sqrt(h));
}
double course(Point a, Point b) {
    const double dl = (b.longitude - a.longitude) * RADIANS;
    const double y = std::sin(dl) * std::cos(b.latitude * RADIANS);
    const double x = std::cos(a.latitude * RADIANS) * std::sin(b.latitude * RADIANS) -
                     std::sin(a.latitude * RADIANS) * std::cos(b.latitude * RADIANS) * std::cos(dl);
    return std::fmod(std::atan2(y, x) / RADIANS + 360, 360);
}

// A known log, exported and read back: one line per bearing with a position,
// from that position along the true bearing for the length asked, across the
// date line too; the others are counted, not drawn.
TEST(KmlExport, EachLineStartsAtTheLoggedPositionAndRunsAlongTheTrueBearing) {
    std::istringstream log(
        "date,time,relative,true,heading,source,utc,latitude,longitude\n"
        "2015-10-10,11:15:03.250,45,224,179,GPS,2015-10-10T09:15:03.000Z,48.217515,8.414498\n"
        "2015-10-10,11:15:04.000,0,360,0,MANUAL,2015-10-10T09:15:04Z,-33.500000,151.250000\r\n"
        "2015-10-10,11:15:05.000,270,90,180,GPS,2015-10-10T09:15:05Z,0.000000,179.950000\n"
        "2015-10-10,11:15:06.000,10,10,0,MANUAL,,,\n"
        "2015-10-10,11:15:07.000,10,361,0,MANUAL,,,\n"
        "2015-10-10,11:15:08.000,10,10,0,MANUAL,2015-10-10T09:15:05Z,91.000000,0.000000\n"
        "2015-10-10,11:15:0\n");
    // Time, start and true bearing of each line.
    const std::vector<std::tuple<std::string, Point, double>> logged = {
        {"2015-10-10T09:15:03.000Z", {8.414498, 48.217515}, 224},
        {"2015-10-10T09:15:04Z", {151.25, -33.5}, 360},
        {"2015-10-10T09:15:05Z", {179.95, 0}, 90}};
    std::ostringstream kml;
    const KmlExportCount count = exportKml(log, kml, 25);
    EXPECT_EQ(std::tie(count.lines, count.withoutPosition, count.unreadable), std::tuple(3, 1, 3));

    const std::string text = kml.str();
    EXPECT_TRUE(text.starts_with("<?xml") && text.ends_with("</Document></kml>\n"));
    EXPECT_NE(text.find(" -179.8"), std::string::npos); // across the date line
    const std::regex placemark(
        R"(<Placemark>[^]*?<when>(.*?)</when>[^]*?<coordinates>(.*?)</coordinates>)");
    std::size_t n = 0;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), placemark);
         it != std::sregex_iterator(); ++it, ++n) {
        ASSERT_LT(n, logged.size());
        const auto& [utc, start, bearing] = logged[n];
        EXPECT_EQ((*it)[1], utc);
        std::istringstream coordinates((*it)[2]);
        std::vector<Point> points;
        char comma = 0;
        for (Point p{}; coordinates >> p.longitude >> comma >> p.latitude;)
            points.push_back(p);
        ASSERT_EQ(points.size(), 26u) << utc;
        EXPECT_LT(distance(points[0], start), 1e-6); // kilometres
        EXPECT_NEAR(std::remainder(course(points[0], points[1]) - bearing, 360), 0, 0.01);
        EXPECT_NEAR(distance(points[0], points.back()), 25, 0.001);
        for (std::size_t i = 1; i < points.size(); ++i)
            EXPECT_NEAR(distance(points[i - 1], points[i]), 1, 0.001);
    }
    EXPECT_EQ(n, logged.size());
}

} // namespace
