// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Compass.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

const std::string FOLLOWING =
    "\r\n$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";

std::string rmc(const std::string& talker, const std::string& course) {
    return "$" + talker + "RMC,123519,A,4807.038,N,01131.000,E,012.4," + course +
           ",230394,003.1,W*6A" + FOLLOWING;
}

std::string vtg(const std::string& talker, const std::string& course) {
    return "$" + talker + "VTG," + course + ",T,,M,9.0,N,10.4,K,A*19" + FOLLOWING;
}

// Which sentence gives the heading (from 200) when talkers mix: VTG of any
// satellite talker before RMC of any, then the first of that kind in the
// buffer; instruments and unknown talkers count for nothing.
TEST(SatelliteTalkers, TheFirstSentenceOfThePreferredKindFromAnySatelliteTalkerGivesTheHeading) {
    const std::pair<std::string, int> cases[] = {
        {rmc("GN", "011.0"), 11},
        {rmc("GL", "012.0"), 12},
        {rmc("GA", "013.0"), 13},
        {rmc("GB", "014.0"), 14},
        {rmc("BD", "015.0"), 15},
        {rmc("GQ", "016.0"), 16},
        {rmc("GI", "017.0"), 17},
        {vtg("GN", "018.0"), 18},
        {rmc("IN", "021.0"), 200},
        {vtg("II", "022.0"), 200},
        {rmc("PQ", "023.0"), 200},
        {rmc("gp", "024.0"), 200},
        {rmc("GN", "031.0") + vtg("GP", "032.0"), 32},
        {rmc("GP", "033.0") + rmc("GN", "034.0"), 33},
        {vtg("GA", "035.0") + vtg("GP", "036.0"), 35},
        {vtg("IN", "037.0") + rmc("GN", "038.0"), 38},
        {rmc("GP", "039.0") + "$GNVTG,040.0,T,,M,9.0,N", 200},
        {rmc("GN", "042.0") + rmc("GP", "043.0"), 42},
        {"$G" + rmc("GN", "041.0"), 41}};
    for (const auto& [buffer, heading] : cases) {
        SCOPED_TRACE(buffer);
        TestRig rig;
        rig.settings.headingSource = "GPS";
        rig.f.HEADING = 200;
        rig.f.GPS_BUFFER = buffer;
        COMPASS(rig.f);
        EXPECT_EQ(rig.f.HEADING, heading);
    }
}

} // namespace
