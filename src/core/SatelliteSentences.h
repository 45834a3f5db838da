// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

// The sentences of satellite-navigation receivers: GPS (GP), GLONASS (GL),
// Galileo (GA), BeiDou (GB, and BD as older receivers name it), QZSS (GQ),
// NavIC (GI) and combined fixes (GN). Instruments that repeat a course under
// talkers of their own (IN, II and the like) are not among them.
bool isSatelliteTalker(std::string_view talker);

// Where the "$" of the first sentence of `type` ("RMC", "VTG") from a
// satellite talker stands in `text`, or npos when there is none.
std::size_t findSatelliteSentence(std::string_view text, std::string_view type);
