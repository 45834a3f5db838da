// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/AcquisitionCommands.h"

#include "commands/PictureCommands.h"
#include "commands/PortOpening.h"
#include "core/Captions.h"
#include "core/form_VECTRIN.h"

namespace {

bool recalledMemoryOnDisplay(const form_VECTRIN& f) {
    return f.Label_SOURCE.caption.find("MEM") != std::string::npos;
}

void acquisitionOffSwitch(form_VECTRIN& f) {
    f.CmdButton_ACQUIRE.caption = ACQUIRE_OFF;
    f.DF_TIMER = false;
    f.Frame_GPS_SPEED.visible = false;
    if (f.CmdButton_TEST.caption == TEST_OFF) {
        if (f.MSComm1.isOpen()) {
            f.MSComm1.close();
            f.COM_TIMEOUT_TIMER = false;
            f.Label_COM_TIMEOUT.visible = false;
            f.Frame_TOP_LEFT.visible = true;
        }
    } else {
        f.SIMULATE_TIMER = false;
    }
}

void acquisitionOnSwitch(form_VECTRIN& f) {
    f.CmdButton_ACQUIRE.caption = ACQUIRE_ON;
    f.DF_TIMER = true;
    f.DF_TIME = f.now();
    f.GPS_TIME = f.now();
    if (f.CmdButton_TEST.caption != TEST_OFF) {
        f.SIMULATE_TIMER = true;
        return;
    }
    if (!f.MSComm1.isOpen()) {
        openSerialPort(f);
        f.COM_TIMEOUT_TIMER = true;
        f.LAST_COM_TIME = f.now();
    }
    if (recalledMemoryOnDisplay(f)) {
        emptyBearingTables(f);
        f.Label_SOURCE.caption = "SOURCE :   DF";
        f.ACQTIME = 0;
        f.INCOUNT = 0;
        f.MAXVECTOR = 0;
        f.NEWAZIMUTH = true;
        f.NEWSECTOR = true;
        f.NEWVECTOR = true;
    }
}

void leaveTestMode(form_VECTRIN& f) {
    f.CmdButton_TEST.caption = TEST_OFF;
    emptyBearingTables(f);
    f.Label_SOURCE.caption = "SOURCE :   DF";
    f.SIMULATE_TIMER = false;
    f.DF_TIMER = false;
}

// Leaving test mode with acquisition on starts taking DF messages from the port.
void startDfInput(form_VECTRIN& f) {
    if (f.CmdButton_ACQUIRE.caption != ACQUIRE_ON || f.MSComm1.isOpen()) return;
    openSerialPort(f);
    f.COM_TIMEOUT_TIMER = true;
    f.LAST_COM_TIME = f.now();
    f.DF_TIMER = true;
    f.DF_TIME = f.now();
    f.GPS_TIME = f.now();
}

void enterTestMode(form_VECTRIN& f) {
    f.CmdButton_TEST.caption = TEST_ON;
    f.Label_SOURCE.caption = "SOURCE : TEST";
    f.Frame_GPS_FAIL.visible = false;
    f.Frame_GPS_SPEED.visible = false;
    emptyBearingTables(f);
    if (f.MSComm1.isOpen()) {
        f.MSComm1.close();
        f.COM_TIMEOUT_TIMER = false;
        f.Label_COM_TIMEOUT.visible = false;
        f.Frame_TOP_LEFT.visible = f.SHOW_HIDE == 0;
    }
    const bool acquiring = f.CmdButton_ACQUIRE.caption == ACQUIRE_ON;
    f.SIMULATE_TIMER = acquiring;
    f.DF_TIMER = acquiring;
    if (acquiring) f.DF_TIME = f.now();
}

void restartTotals(form_VECTRIN& f) {
    f.ACQTIME = 0;
    f.Label_TOTAL_TIME.caption = "TOTAL TIME : 0000";
    f.INCOUNT = 0;
    f.Label_TOTAL_BRG.caption = "TOTAL BRG : 0000";
    f.MAXVECTOR = 0;
    f.NEWAZIMUTH = true;
    f.NEWSECTOR = true;
    f.NEWVECTOR = true;
}

} // namespace

void CmdButton_ACQUIRE_Click(form_VECTRIN& f) {
    if (f.CmdButton_ACQUIRE.caption != ACQUIRE_OFF)
        acquisitionOffSwitch(f);
    else
        acquisitionOnSwitch(f);
}

void CmdButton_TEST_Click(form_VECTRIN& f) {
    if (f.CmdButton_TEST.caption != TEST_OFF) {
        leaveTestMode(f);
        restartTotals(f);
        // The port is opened last, so that a port that cannot be opened still
        // leaves the tables emptied and the totals restarted.
        startDfInput(f);
    } else {
        enterTestMode(f);
        restartTotals(f);
    }
}

void CmdButton_DECAY_Click(form_VECTRIN& f) {
    if (f.CmdButton_DECAY.caption != DECAY_OFF) {
        f.CmdButton_DECAY.caption = DECAY_OFF;
        f.DECAY_TIMER = false;
    } else {
        f.CmdButton_DECAY.caption = DECAY_ON;
        f.DECAY_TIMER = true;
        f.DECAY_TIME = f.now();
    }
}
