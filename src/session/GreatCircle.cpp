// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/GreatCircle.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double EARTH_RADIUS_KM = 6371.0088; // mean radius
constexpr double RADIANS = std::numbers::pi / 180;
} // namespace

LatLon greatCircleDestination(LatLon start, double bearing, double kilometres) {
    const double phi = start.latitude * RADIANS, theta = bearing * RADIANS;
    const double delta = kilometres / EARTH_RADIUS_KM;
    const double sinPhi2 =
        std::sin(phi) * std::cos(delta) + std::cos(phi) * std::sin(delta) * std::cos(theta);
    const double phi2 = std::asin(std::clamp(sinPhi2, -1.0, 1.0));
    const double lambda2 =
        start.longitude * RADIANS + std::atan2(std::sin(theta) * std::sin(delta) * std::cos(phi),
                                               std::cos(delta) - std::sin(phi) * sinPhi2);
    const double longitude = std::remainder(lambda2 / RADIANS, 360.0);
    return {phi2 / RADIANS, longitude == 180 ? -180 : longitude};
}
