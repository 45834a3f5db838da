// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/PortWait.h"

#include "commands/AcquisitionCommands.h"
#include "core/Captions.h"
#include "core/SerialPort.h"
#include "core/form_VECTRIN.h"

namespace {

void devicePresent(form_VECTRIN& f) {
    if (!f.DF_PORT_AWAITED) return;
    if (f.CmdButton_ACQUIRE.caption != ACQUIRE_OFF || f.CmdButton_TEST.caption != TEST_OFF) {
        stopAwaitingDfPort(f);
        return;
    }
    try {
        CmdButton_ACQUIRE_Click(f);
        f.DF_PORT_AWAITED = false;
    } catch (const SerialPortError&) {
        awaitDfPort(f); // the reason is in Label_COMM again
    }
}

} // namespace

void awaitDfPort(form_VECTRIN& f) {
    f.DF_PORT_AWAITED = true;
    f.MSComm1.awaitDevice([&f] { devicePresent(f); });
}

void stopAwaitingDfPort(form_VECTRIN& f) {
    if (!f.DF_PORT_AWAITED) return;
    f.DF_PORT_AWAITED = false;
    f.MSComm1.awaitDevice({});
}
