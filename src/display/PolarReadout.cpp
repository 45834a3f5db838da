// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/PolarReadout.h"

#include "core/form_VECTRIN.h"
#include "display/AccessibleText.h"

#include <algorithm>

namespace {
const std::string CURSOR_PREFIX = "CURSOR";
}

std::string polarReadout(const form_VECTRIN& f) {
    const auto first = f.BRG_SUM.begin() + 1;
    const auto peak = std::max_element(first, f.BRG_SUM.end());
    const std::string peakText =
        *peak > 0 ? "Peak bearing " + std::to_string(peak - f.BRG_SUM.begin()) + " degrees true"
                  : "No bearings";
    const std::string& cursor = f.Label_CURSOR.caption;
    const bool prefixed = cursor.rfind(CURSOR_PREFIX, 0) == 0;
    return peakText + ", cursor " +
           spokenWords(prefixed ? cursor.substr(CURSOR_PREFIX.size()) : cursor) + ", heading " +
           spokenWords(f.Label_HDG.caption);
}
