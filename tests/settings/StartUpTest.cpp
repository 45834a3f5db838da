// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramRig.h"

namespace fs = std::filesystem;

namespace {

const std::string A_OFF = "\"A:ACQUIRE  ( OFF )\"", T_OFF = "\"T:TEST             ( OFF )\"";

// A start on a settings file and what it shows; the defaults are a start on the default file.
struct Start {
    std::vector<std::pair<int, std::string>> set = {}; // items (1..46) changed in the default file
    int keep = 46;                                     // items written; below 0: no settings file
    void (*spoil)(const TempHome&) = nullptr;          // makes the settings path unusable
    bool acquire = true, test = true, gps = false, open = false;
    int variation = 0;
    std::string comm = "COM1 @ 4800"; // Label_COMM without its " BAUD"
    Colour background = 0x557B78;
    bool replaced = false; // the file is the default file after the start
};

TEST(SettingsLoad, EachStoredItemTakesEffectAndAnUnreadableFileGivesWayToTheDefaults) {
    const std::vector<Start> starts{
        // A first start without a settings folder writes the default file and runs on it.
        {.keep = -1, .replaced = true},
        // ACQUIRE runs first: acquisition off, then test mode off, never opens the port.
        {.set = {{43, A_OFF}, {44, T_OFF}}, .acquire = false, .test = false},
        // Only the exact OFF captions and "GPS" count; numbers are rounded half to even, the
        // variation is stored one lower, and what is not a number reads as 0.
        {.set = {{43, "\"A:ACQUIRE ( OFF )\""}, {44, "\"T:TEST ( OFF )\""}, {45, "\"gps\""}}},
        {.set = {{42, "9600"}, {44, T_OFF}}, .test = false, .open = true, .comm = "COM1 @ 9600"},
        {.set = {{45, "\"GPS\""}}, .gps = true},
        {.set = {{41, "3"}, {42, "1200"}}, .comm = "COM3 @ 1200"},
        {.set = {{46, "4.5"}}, .variation = 5},
        {.set = {{46, "180"}}, .variation = -179},
        {.set = {{1, "green"}, {42, "fast"}, {46, "west"}}, .variation = 1, .background = 0},
        // The defaults replace a damaged file, also what the first pass read from it: a
        // file cut short, a port beyond 1..8 or beyond 16 bits.
        {.set = {{1, "111"}}, .keep = 20, .replaced = true},
        {.set = {{41, "12"}}, .replaced = true},
        {.set = {{41, "65537"}}, .replaced = true},
        // A settings path that cannot be written: the built-in defaults, and no loop.
        {.keep = -1, .spoil = [](const TempHome& h) { fs::create_directories(h.file / "x"); }},
        {.keep = -1, .spoil = [](const TempHome& h) { std::ofstream(h.folder) << "not a folder"; }},
    };
    for (std::size_t row = 0; row < starts.size(); ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        const Start& s = starts[row];
        ProgramRig rig;
        std::vector<std::string> items = DEFAULT_ITEMS;
        for (const auto& [item, text] : s.set)
            items.at(item - 1) = text;
        const std::string text = settingsFile(items, std::max(s.keep, 0));
        if (s.keep >= 0) fs::create_directories(rig.folder);
        if (s.keep >= 0) std::ofstream(rig.file, std::ios::binary) << text;
        if (s.spoil) s.spoil(rig);
        rig.f.Frame_GPS_FAIL.visible = true;
        rig.program.start();

        EXPECT_EQ(fileText(rig.file), s.replaced ? settingsFile(DEFAULT_ITEMS) : text);
        if (s.replaced && s.keep >= 0) {
            ASSERT_EQ(keptCopies(rig.folder).size(), 1u);
            EXPECT_EQ(fileText(keptCopies(rig.folder)[0]), text);
        }
        const form_VECTRIN& f = rig.f;
        EXPECT_EQ((std::tuple{f.CmdButton_ACQUIRE.caption, f.CmdButton_TEST.caption,
                              f.Label_HDG.caption, f.Label_COMM.caption, rig.serial.settings}),
                  (std::tuple<std::string, std::string, std::string, std::string, std::string>{
                      s.acquire ? ACQUIRE_ON : ACQUIRE_OFF, s.test ? TEST_ON : TEST_OFF,
                      s.gps ? "GPS 000 TRU" : "MAN 000 TRU", s.comm + " BAUD",
                      s.comm.substr(7) + ",n,8,1"}));
        EXPECT_EQ((std::array{f.GPS_TIMER, f.CmdButton_HDG_CW.visible, f.CmdButton_HDG_CCW.visible,
                              f.Frame_GPS_FAIL.visible, rig.serial.isOpen()}),
                  (std::array{s.gps, !s.gps, !s.gps, !s.gps, s.open}));
        EXPECT_EQ(
            (std::tuple{rig.o.settings.HEADING_CORRECTION, rig.o.BAUD_RATE, rig.serial.opens,
                        rig.surface.back}),
            (std::tuple{s.variation, std::stoi(s.comm.substr(7)), int{s.open}, s.background}));
        rig.program.shutDown();
        EXPECT_FALSE(rig.serial.isOpen());
        EXPECT_EQ(fs::is_regular_file(rig.file), !s.spoil) << "an unusable path is left alone";
    }
}

// What the operator does while the adapter is unplugged, whether its device
// can be opened when it appears, and what the program then shows and saves. The
// file holds forty different colours, port 3 at 9600 baud, DF acquisition, the
// GPS heading and the variation -179 stored one lower; it is written back whole.
TEST(AdapterAbsent, TheFileAppliesWholeAndAcquisitionStartsWhenTheDeviceAppears) {
    // A button pressed before the device appears, whether the device then opens;
    // the port open, the device still awaited, Label_COMM, the captions at QUIT.
    using Row = std::tuple<std::string, bool, bool, bool, std::string, std::string, std::string>;
    const Row rows[] = {
        {"", true, true, false, "COM3 @ 9600 BAUD", ACQUIRE_ON, TEST_OFF},
        {"", false, false, true, "COM3: IN USE", ACQUIRE_ON, TEST_OFF},
        {"CmdButton_ACQUIRE", true, false, false, "COM3: NOT FOUND", ACQUIRE_OFF, TEST_OFF},
        {"CmdButton_TEST", true, false, false, "COM3: NOT FOUND", ACQUIRE_OFF, TEST_ON},
        {"CmdButton_RECALL", true, false, false, "COM3: NOT FOUND", ACQUIRE_OFF, TEST_OFF}};
    for (const auto& [pressed, opens, open, awaiting, comm, acquire, test] : rows) {
        SCOPED_TRACE(pressed + (opens ? " opens" : " fails"));
        ProgramRig rig;
        std::vector<std::string> items;
        for (Colour c = 0x010101; c <= 40 * 0x010101; c += 0x010101)
            items.push_back(std::to_string(c));
        items.insert(items.end(), {"3", "9600", DEFAULT_ITEMS[42], T_OFF, "\"GPS\"", "-180"});
        std::filesystem::create_directories(rig.folder);
        std::ofstream(rig.file, std::ios::binary) << settingsFile(items);
        rig.serial.failReason = "COM3: NOT FOUND";
        rig.serial.failOpen = true;
        rig.program.start();

        EXPECT_EQ(rig.o.settings.colours, SCHEME) << "preset 1 is the scheme in use";
        EXPECT_EQ((std::tuple{rig.f.Label_HDG.caption, rig.f.HEADING_CORRECTION,
                              rig.f.CmdButton_ACQUIRE.caption, rig.f.Label_COMM.caption}),
                  (std::tuple<std::string, Integer, std::string, std::string>{
                      "GPS 000 TRU", -179, ACQUIRE_OFF, "COM3: NOT FOUND"}));
        EXPECT_EQ(fileText(rig.file), settingsFile(items)) << "the file is not replaced";

        if (!pressed.empty()) rig.click(pressed);
        rig.serial.failOpen = !opens;
        rig.serial.failReason = "COM3: IN USE";
        rig.serial.deviceAppears();
        EXPECT_EQ((std::tuple{rig.serial.isOpen(), static_cast<bool>(rig.serial.awaited),
                              rig.f.Label_COMM.caption}),
                  (std::tuple{open, awaiting, comm}));
        rig.program.shutDown();
        items[42] = "\"" + acquire + "\"";
        items[43] = "\"" + test + "\"";
        EXPECT_EQ(fileText(rig.file), settingsFile(items));
    }
}

} // namespace
