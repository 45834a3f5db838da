// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Executive.h"

#include "core/Compass.h"
#include "core/DfIn.h"
#include "core/Summing.h"
#include "core/Timers.h"
#include "core/form_VECTRIN.h"
#include "display/Azimuth.h"
#include "display/Cursor.h"
#include "display/RangeRings.h"
#include "display/Vector.h"

#include <optional>
#include <string>
#include <utility>

namespace {
constexpr std::size_t GPS_BUFFER_LIMIT = 1000;
} // namespace

void MSComm1_OnComm(form_VECTRIN& f) {
    f.INBUFF = f.MSComm1.readAll();
    f.GPS_BUFFER += f.INBUFF;
    if (f.GPS_BUFFER.size() > GPS_BUFFER_LIMIT)
        f.GPS_BUFFER.erase(0, f.GPS_BUFFER.size() - GPS_BUFFER_LIMIT);
    f.MSComm1.clearInput();
    if (f.COM_TIMEOUT_TIMER) f.LAST_COM_TIME = f.now();
    std::optional<std::string> message =
        f.dfFraming.read(f.INBUFF, f.clockNow(), !f.NEW_DF_MESSAGE);
    if (!message) return;
    f.DF_MESSAGE = std::move(*message);
    f.NEW_DF_MESSAGE = true;
    f.DF_MESSAGE_TAKEN = false;
    EXECUTIVE(f);
}

void Timer1_Timer(form_VECTRIN& f) {
    f.NEW_DF_MESSAGE = false;
    f.Timer1.setEnabled(false);
    EXECUTIVE(f);
}

void EXECUTIVE(form_VECTRIN& f) {
    TIMERS(f);
    if (f.NEW_DF_MESSAGE && !f.DF_MESSAGE_TAKEN) {
        DF_IN(f);
        f.DF_MESSAGE_TAKEN = true;
    }
    COMPASS(f);
    if (f.NEWAZIMUTH) AZIMUTH(f);
    if (f.NEWSECTOR) SUMMING(f);
    RANGE_RINGS(f);
    CURSOR(f);
    if (f.NEWVECTOR) VECTOR(f);
    f.Label_TIME.caption = "TIME : " + f.clock.timeOfDayText();
    f.surface.refresh();
    f.Timer1.setEnabled(true);
}
