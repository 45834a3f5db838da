// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct LatLon {
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive, -180..180
};

// Where the great circle that leaves `start` on `bearing` (degrees true)
// arrives after `kilometres`, on a sphere of the earth's mean radius.
LatLon greatCircleDestination(LatLon start, double bearing, double kilometres);
