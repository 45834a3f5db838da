// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/PortOpening.h"

#include "core/Captions.h"
#include "core/SerialPort.h"
#include "core/form_VECTRIN.h"

#include <utility>

namespace {

// Acquisition as the ACQUIRE command leaves it when it switches off with the
// port closed: nothing feeds bearings and no watch waits for serial data.
void acquisitionLeftOff(form_VECTRIN& f) {
    f.CmdButton_ACQUIRE.caption = ACQUIRE_OFF;
    f.DF_TIMER = false;
    f.Frame_GPS_SPEED.visible = false;
    f.SIMULATE_TIMER = false;
    f.COM_TIMEOUT_TIMER = false;
}

void showFailure(form_VECTRIN& f, const SerialPortError& failure) {
    showPortFailure(f, failure.what());
    f.PORT_FAILURE_REASON = failure.whole();
}

void clearFailure(form_VECTRIN& f) {
    f.PORT_FAILURE_REASON.clear();
    if (f.PORT_FAILURE_TEXT.empty()) return;
    if (f.Label_COMM.caption == f.PORT_FAILURE_TEXT)
        f.Label_COMM.caption = f.PORT_LABEL_BEFORE_FAILURE;
    f.PORT_FAILURE_TEXT.clear();
    f.PORT_LABEL_BEFORE_FAILURE.clear();
}

} // namespace

void showPortFailure(form_VECTRIN& f, std::string reason) {
    if (f.PORT_FAILURE_TEXT.empty() || f.Label_COMM.caption != f.PORT_FAILURE_TEXT)
        f.PORT_LABEL_BEFORE_FAILURE = f.Label_COMM.caption;
    f.PORT_FAILURE_TEXT = reason;
    f.Label_COMM.caption = std::move(reason);
}

void openSerialPort(form_VECTRIN& f) {
    try {
        f.MSComm1.open();
    } catch (const SerialPortError& failure) {
        acquisitionLeftOff(f);
        showFailure(f, failure);
        throw;
    }
    clearFailure(f);
}
