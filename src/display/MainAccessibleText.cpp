// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/AccessibleText.h"

namespace {

constexpr std::string_view MAIN_WINDOW = R"(
Frame_TOP_LEFT | Counters | - | Bearings taken in and the time acquired
Label_VECTRIN_DF_DISPLAY |  | = | Program title
Label_VERSION | Version | Ver. | Program version
Label_LAST_BRG | Last bearing | LAST BRG : | Relative to the vehicle | degrees
Label_TOTAL_BRG | Total bearings | TOTAL BRG : | Bearings taken in since the start
Label_TOTAL_TIME | Acquisition time | TOTAL TIME : | Time spent acquiring | seconds
Frame_TOP_CENTER | Heading | - | Heading source and heading
Label_SOURCE | Bearing source | SOURCE : | Where the bearings come from
Label_HDG | Heading | * | Heading source and the vehicle's heading
Frame_TOP_RIGHT | Clock and serial port | - | Time of day and serial port
Label_COPYRIGHT |  | = | Maker's copyright
Label_CREDIT_NAME |  | = | Maker's credit
Label_CREDIT_CONTACT |  | = | Maker's contact
Label_TIME | Time | TIME : | Time of day
Label_COMM | Serial port | * | Serial port and baud rate, or why the port failed
CmdButton_ACQUIRE | Acquisition | on/off | Starts or stops taking in bearings. Key A.
CmdButton_TEST | Test mode | on/off | Feeds bearings from the built-in generator instead of the DF unit. Key T.
CmdButton_DECAY | Decay | on/off | Lets old bearings fade at the decay rate. Key D.
CmdButton_REDUCE | Reduce | - | Takes one range ring's worth of weight off the picture. Key R.
CmdButton_CLEAR | Clear display | - | Clears all bearings. Key C.
CmdButton_QUIT | Quit program | - | Saves the settings and ends. Key Q.
Frame_BOTTOM_LEFT | Sector and decay | - | Summing sector, decay and variation
CmdButton_SECTOR | Sector | S:SECTOR | Steps the width of the summing sector. Key S.
Label_DECAY | Decay rate | - | Fraction kept at each decay step, and how often
Label_DECAY_RATE | Decay rate | * | Fraction kept at each decay step, and how often
CmdButton_VAR | Magnetic variation display | on/off | Shows headings and bearings magnetic instead of true. Key V.
Label_RANGE | Range | RANGE | Bearings per range ring
Label_CURSOR | Cursor | CURSOR | Bearing of the operator's cursor
CmdButton_MEM1 | Memory 1 | - | Chooses memory 1 to save or recall. Key 1.
CmdButton_MEM2 | Memory 2 | - | Chooses memory 2 to save or recall. Key 2.
CmdButton_MEM3 | Memory 3 | - | Chooses memory 3 to save or recall. Key 3.
CmdButton_MEM4 | Memory 4 | - | Chooses memory 4 to save or recall. Key 4.
CmdButton_MEM5 | Memory 5 | - | Chooses memory 5 to save or recall. Key 5.
CmdButton_SAVE | Save to memory | - | Saves the picture in the chosen memory. Key 6.
CmdButton_RECALL | Recall memory | - | Shows the chosen memory. Key 7.
CmdButton_CANCEL | Cancel memory choice | - | Ends choosing a memory. Key 8.
CmdButton_CONTROLS | Hide or show controls | - | Key H.
CmdButton_OPTIONS | Options | - | Opens the options dialog. Key O.
CmdButton_WINDOW | Window size | - | Steps the size of the window. Key W.
Frame_BOTTOM_RIGHT | Keypad stepping | - | Cursor and manual heading steps
Label_KEYPAD | Numeric keypad | - | The keypad keys step the cursor and heading
CmdButton_HDG_CW | Heading clockwise | - | Steps the manual heading clockwise; hold to repeat. Keypad 6.
CmdButton_HDG_CCW | Heading counter-clockwise | - | Steps the manual heading counter-clockwise; hold to repeat. Keypad 4.
CmdButton_CUR_CW | Cursor clockwise | - | Steps the cursor clockwise; hold to repeat. Keypad 8.
CmdButton_CUR_CCW | Cursor counter-clockwise | - | Steps the cursor counter-clockwise; hold to repeat. Keypad 2.
Frame_GPS_SPEED | GPS speed warning | - | Shown while the vehicle is too slow for a GPS heading
Label_GPS_SPEED | GPS speed too low | - | The vehicle moves too slowly for the GPS course to give the heading
Frame_GPS_FAIL | GPS failure warning | - | Shown when the GPS has been silent for over 10 seconds
Label_GPS_FAIL | GPS failure | - | No valid GPS sentence for over 10 seconds
Label_COM_TIMEOUT | Serial port timeout | - | No DF data for over 5 seconds
)";

} // namespace

AccessibleText mainWindowText(const Control& control) {
    static const AccessibleTable table(MAIN_WINDOW);
    return table.textOf(control);
}
