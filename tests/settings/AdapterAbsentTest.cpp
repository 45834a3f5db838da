// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Captions.h"

#include "ProgramRig.h"

#include <gtest/gtest.h>

namespace {

const std::string T_OFF = "\"" + std::string(TEST_OFF) + "\"";

// What the operator does while the adapter is unplugged, whether its device
// can be opened when it appears, and what the program then shows and saves.
struct Wait {
    std::string pressed = {}; // a button pressed before the device appears
    bool opens = true;
    bool open = false, awaiting = false;
    std::string comm, acquire = ACQUIRE_ON, test = TEST_OFF; // Label_COMM, captions at QUIT
};

TEST(AdapterAbsent, TheFileAppliesWholeAndAcquisitionStartsWhenTheDeviceAppears) {
    const std::vector<Wait> rows{
        {.open = true, .comm = "COM3 @ 9600 BAUD"},
        {.opens = false, .awaiting = true, .comm = "COM3: IN USE"},
        {.pressed = "CmdButton_ACQUIRE", .comm = "COM3: NOT FOUND", .acquire = ACQUIRE_OFF},
        {.pressed = "CmdButton_TEST",
         .comm = "COM3: NOT FOUND",
         .acquire = ACQUIRE_OFF,
         .test = TEST_ON},
        {.pressed = "CmdButton_RECALL", .comm = "COM3: NOT FOUND", .acquire = ACQUIRE_OFF},
    };
    for (const Wait& row : rows) {
        SCOPED_TRACE(row.pressed + (row.opens ? " opens" : " fails"));
        ProgramRig rig;
        std::vector<std::string> items = DEFAULT_ITEMS;
        std::ranges::transform(SCHEME, items.begin(), [](Colour c) { return std::to_string(c); });
        std::ranges::copy(std::vector<std::string>{"3", "9600", items[42], T_OFF, "\"GPS\"", "3"},
                          items.begin() + 40);
        std::filesystem::create_directories(rig.folder);
        std::ofstream(rig.file, std::ios::binary) << settingsFile(items);
        rig.serial.failReason = "COM3: NOT FOUND";
        rig.serial.failOpen = true;
        rig.program.start();

        EXPECT_EQ(rig.o.settings.colours, SCHEME);
        EXPECT_EQ(rig.f.Label_HDG.caption, "GPS 000 TRU");
        EXPECT_EQ(rig.f.HEADING_CORRECTION, 4);
        EXPECT_EQ(rig.f.CmdButton_ACQUIRE.caption, ACQUIRE_OFF);
        EXPECT_EQ(rig.f.Label_COMM.caption, "COM3: NOT FOUND");
        EXPECT_EQ(fileText(rig.file), settingsFile(items)) << "the file is not replaced";

        if (!row.pressed.empty()) rig.click(row.pressed);
        rig.serial.failOpen = !row.opens;
        rig.serial.failReason = "COM3: IN USE";
        rig.serial.deviceAppears();
        EXPECT_EQ(rig.serial.isOpen(), row.open);
        EXPECT_EQ(static_cast<bool>(rig.serial.awaited), row.awaiting);
        EXPECT_EQ(rig.f.Label_COMM.caption, row.comm);
        rig.program.shutDown();
        items[42] = "\"" + row.acquire + "\"";
        items[43] = "\"" + row.test + "\"";
        EXPECT_EQ(fileText(rig.file), settingsFile(items));
    }
}

} // namespace
