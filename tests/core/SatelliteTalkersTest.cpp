// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Compass.h"
#include "support/TestRig.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

std::string sentence(const std::string& id, int course) {
    const std::string fields = id.ends_with("RMC") ? ",1,A,4807.038,N,01131.000,E,12.4," +
                                                         std::to_string(course) + ",230394,,*6A"
                                                   : "," + std::to_string(course) + ",T,,M,9,N";
    return "$" + id + fields +
           "\r\n$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M\r\n";
}

// The heading (from 200) a buffer gives: RMC or VTG of every satellite talker
// and no other; VTG of any talker before RMC of any, then the first of that
// kind in the buffer.
TEST(SatelliteTalkers, TheFirstSentenceOfThePreferredKindFromAnySatelliteTalkerCounts) {
    std::vector<std::pair<std::string, int>> cases;
    for (const char* talker : {"GN", "GL", "GA", "GB", "BD", "GQ", "GI"})
        cases.push_back({sentence(std::string(talker) + "RMC", 11), 11});
    for (const char* talker : {"IN", "II", "PQ", "gp"})
        cases.push_back({sentence(std::string(talker) + "RMC", 12), 200});
    cases.insert(cases.end(), {{sentence("GNVTG", 18), 18},
                               {sentence("GNRMC", 31) + sentence("GPVTG", 32), 32},
                               {sentence("GNRMC", 42) + sentence("GPRMC", 43), 42},
                               {sentence("GAVTG", 35) + sentence("GPVTG", 36), 35},
                               {sentence("INVTG", 37) + sentence("GNRMC", 38), 38},
                               {"$G" + sentence("GNRMC", 41), 41}});
    for (const auto& [buffer, heading] : cases) {
        TestRig rig;
        rig.settings.headingSource = "GPS";
        rig.f.HEADING = 200;
        rig.f.GPS_BUFFER = buffer;
        COMPASS(rig.f);
        EXPECT_EQ(rig.f.HEADING, heading) << buffer;
    }
}

} // namespace
