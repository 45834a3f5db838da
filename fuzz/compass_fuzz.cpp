// SPDX-License-Identifier: GPL-3.0-or-later
// COMPASS over arbitrary GPS buffers, with the heading source on GPS.
//
// Input: two set-up bytes (the dialog's variation with the variation display
// switch, the heading beforehand), then the buffer, of which the last 1000
// characters are kept as the receive handler keeps them.

#include "core/Captions.h"
#include "core/Compass.h"
#include "support/TestRig.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

bool isThreeDigits(const std::string& text) {
    return text.size() == 3 && text.find_first_not_of("0123456789") == std::string::npos &&
           std::stoi(text) <= 359;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TestRig rig(false);
    if (size < 2) return 0;
    form_VECTRIN& f = rig.f;
    rig.settings.headingSource = "GPS";
    const bool varOn = data[0] & 1;
    f.CmdButton_VAR.caption = varOn ? VAR_ON : VAR_OFF;
    rig.settings.HEADING_CORRECTION = static_cast<Integer>(data[0] % 360 - 179);
    f.HEADING = static_cast<Integer>(data[1] % 360);
    f.Label_HDG.caption = "before";
    f.Frame_GPS_FAIL.visible = true;
    f.GPS_TIME = 0;
    rig.clock.seconds = 100;

    std::string buffer(reinterpret_cast<const char*>(data + 2), size - 2);
    if (buffer.size() > 1000) buffer.erase(0, buffer.size() - 1000);
    const Integer heading = f.HEADING;
    f.GPS_BUFFER = buffer;
    COMPASS(f);

    if (f.GPS_BUFFER.empty() && !buffer.empty()) {
        // Accepted: a heading in range, shown as three digits in the label.
        require(f.HEADING >= 0 && f.HEADING <= 359);
        require(isThreeDigits(f.HEADING_STRING));
        require(f.Label_HDG.caption == "GPS " + f.HEADING_STRING + (varOn ? " MAG" : " TRU"));
        require(!f.Frame_GPS_FAIL.visible && f.GPS_TIME == 100);
        require(buffer.find('$') != std::string::npos);
    } else {
        // Ignored: nothing changed.
        require(f.GPS_BUFFER == buffer);
        require(f.HEADING == heading);
        require(f.Label_HDG.caption == "before");
        require(f.Frame_GPS_FAIL.visible && f.GPS_TIME == 0);
    }
    return 0;
}
