// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Types.h"

#include <array>
#include <cstdint>
#include <string>

// The display state of the main window: every field named as documented, at
// creation zero, false or empty. The start values are set by the window's
// start-up step (initialiseDisplayState).
struct DisplayState {
    // DF input and counters
    std::string INBUFF;
    std::string DF_MESSAGE;
    bool NEW_DF_MESSAGE = false;
    // Set once the cycle has taken in the waiting DF message, so that a cycle
    // run directly by a command before the next tick does not take it in again.
    bool DF_MESSAGE_TAKEN = false;
    Integer TRUE_DF_BEARING = 0;
    // Bearings taken in since the last reset. Wider than 16 bits, so the
    // count and its label stay right past 32767.
    std::int32_t INCOUNT = 0;
    // Seconds of acquisition. Wider than a Single, so that the 50 ms steps of
    // days of running still add up to the time that passed.
    double ACQTIME = 0;

    // Heading
    Integer HEADING = 0;
    std::string HEADING_STRING;
    Integer HEADING_CORRECTION = 0;
    Integer VECTOR_HEADING = 0;
    Integer AZIMUTH_HEADING = 0;

    // Clocks: whether each runs and the second of day of its last event.
    bool DF_TIMER = false;
    Long DF_TIME = 0;
    bool SIMULATE_TIMER = false;
    bool COM_TIMEOUT_TIMER = false;
    Long LAST_COM_TIME = 0;
    bool DECAY_TIMER = false;
    Long DECAY_TIME = 0;
    Single DECAY_FRACTION = 0;
    bool GPS_TIMER = false;
    Long GPS_TIME = 0;
    Long ROLLOVER = 0;

    // Bearing tables (cells 1..360 used, 360 is north) and sector sums
    std::array<Single, 361> BRG_HIST{};
    std::array<Single, 361> BRG_SUM{};
    Single MAXVECTOR = 0;
    Integer SECTOR_WIDTH = 0;

    // Redraw flags
    bool NEWAZIMUTH = false;
    bool NEWCURSOR = false;
    bool NEWRING = false;
    bool NEWSECTOR = false;
    bool NEWVECTOR = false;

    // Display geometry and layout (twips)
    Single CENTERX = 0;
    Single CENTERY = 0;
    Single AZRADIUS = 0;
    Integer RINGCOUNT = 0;
    Integer OLDRINGCOUNT = 0;
    Integer CURSOR_BEARING = 0;
    Single CURSX = 0;
    Single CURSY = 0;
    Single CIRX = 0;
    Single CIRY = 0;
    Integer WIN_SIZE = 0;
    Integer SHOW_HIDE = 0;

    // DF marker
    Single DFBUGBRG = 0;
    Single DFBUGX = 0;
    Single DFBUGY = 0;

    // GPS
    std::string GPS_BUFFER;

    // Test mode
    std::array<Integer, 5001> SIMULATE_BRG{};
    Integer SIMULATE_COUNT = 0;
    Single FOCUS = 0;

    // Memories and operator input
    std::array<std::array<Single, 363>, 6> BRG_MEM{};
    Integer MEMORY_SELECT = 0;
    std::string MOUSE_DOWN_STRING;
    bool BIGSTEP = false;
    Integer CTRL_KEY = 0;
    Integer COPYRIGHT = 0;

    // A serial port that could not be opened: the reason shown in Label_COMM,
    // and the label's text before it, shown again once the port opens.
    std::string PORT_FAILURE_TEXT;
    std::string PORT_LABEL_BEFORE_FAILURE;
    // The whole reason of the last failed open, for the options dialog; empty
    // once the port opens.
    std::string PORT_FAILURE_REASON;
    // DF acquisition that the settings file asked for waits for its port to
    // appear, until the operator chooses the source again.
    bool DF_PORT_AWAITED = false;
};
