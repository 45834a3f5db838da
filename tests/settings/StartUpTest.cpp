#include "core/Captions.h"
#include "settings/ColourScheme.h"
#include "settings/SettingsFormat.h"

#include "ProgramRig.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

std::string defaultsText() {
    return settingsText(defaultSettings());
}

// A settings text from the default items with some of them (numbered 1..46)
// replaced by raw texts as they would stand in the file.
std::string itemsText(std::initializer_list<std::pair<int, std::string>> replaced) {
    std::vector<std::string> items = settingsLines(defaultsText());
    for (const auto& [number, text] : replaced)
        items.at(number - 1) = text;
    std::string text;
    for (const std::string& item : items)
        text += item + "\r\n";
    return text;
}

// The first `count` items of the defaults, with preset 1 made distinct so
// that a test can see whether the damaged file's colours survived.
std::string cutOffAfter(std::size_t count) {
    std::vector<std::string> items = settingsLines(defaultsText());
    for (int k = 0; k < 8; ++k)
        items[k] = std::to_string(100 + k);
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += items[i] + "\r\n";
    return text;
}

// A run of the program on a settings folder, started.
struct StartedRun : ProgramOnFakes {
    explicit StartedRun(const fs::path& folder) : ProgramOnFakes(folder.string()) {
        program.start();
    }
};

struct SettingsLoad : ::testing::Test {
    ProgramRig rig;
    form_VECTRIN& f = rig.f;
    Form_OPTIONS& o = rig.o;

    void startWith(const std::string& text) {
        writeText(rig.file, text);
        rig.program.start();
    }
    std::vector<std::string> writtenItems() { return settingsLines(fileText(rig.file)); }
};

TEST_F(SettingsLoad, FirstStartWithoutASettingsFolderWritesTheDefaultsAndRunsOnThem) {
    rig.program.start();

    EXPECT_EQ(fileText(rig.file), defaultsText());
    EXPECT_EQ(f.CmdButton_ACQUIRE.caption, ACQUIRE_ON);
    EXPECT_EQ(f.CmdButton_TEST.caption, TEST_ON);
    EXPECT_TRUE(f.SIMULATE_TIMER);
    EXPECT_FALSE(rig.serial.isOpen());
    EXPECT_EQ(o.settings.headingSource, "MANUAL");
    EXPECT_FALSE(f.GPS_TIMER);
    EXPECT_EQ(rig.serial.port, 1);
    EXPECT_EQ(rig.serial.settings, "4800,n,8,1");
    EXPECT_EQ(o.BAUD_RATE, 4800);
    EXPECT_EQ(o.settings.HEADING_CORRECTION, 0);
    EXPECT_EQ(f.HEADING_CORRECTION, 0);
    EXPECT_EQ(o.Label_HEADING_CORRECTION.caption, "000 WEST");
    EXPECT_EQ(o.CmdButton_COMM_PORT.caption, "COMM PORT : COM 1");
    EXPECT_EQ(o.CmdButton_BAUD_RATE.caption, "BAUD RATE : 4800");
    EXPECT_EQ(f.Label_COMM.caption, "COM1 @ 4800 BAUD");
    EXPECT_EQ(f.COPYRIGHT, 0);
    EXPECT_EQ(o.presets.PRESET_SELECT, 1);
    EXPECT_EQ(o.settings.colours, DEFAULT_COLOURS);
    for (int p = 1; p <= 5; ++p)
        for (int k = 1; k <= 8; ++k)
            EXPECT_EQ(static_cast<Colour>(o.presets.at(p, k)), DEFAULT_COLOURS[k - 1]);
}

TEST_F(SettingsLoad, TheLoadedColoursPaintTheMainWindow) {
    SettingsRecord r = defaultSettings();
    r.colours[0] = {0x010101, 0x020202, 0x030303, 0x040404, 0x050505, 0x060606, 0x070707, 0x080808};
    startWith(settingsText(r));

    o.controls();
    EXPECT_EQ(o.Picture_DISPLAY_BACKGROUND_COLOR.backColour, 0x010101u);
    EXPECT_EQ(o.Picture_CURSOR_COLOR.backColour, 0x080808u);
    EXPECT_EQ(rig.surface.back, 0x010101u);
    EXPECT_EQ(f.Frame_BOTTOM_RIGHT.backColour, 0x010101u);
    EXPECT_EQ(f.Label_COM_TIMEOUT.backColour, 0x010101u);
    EXPECT_EQ(f.Label_CREDIT_NAME.textColour, 0x030303u);
    EXPECT_EQ(f.CmdButton_CANCEL.backColour, 0x020202u);
    EXPECT_EQ(f.Frame_GPS_FAIL.backColour, 0xFFFFFFu) << "the GPS frames keep their colours";
}

TEST_F(SettingsLoad, TheStoredVariationIsOneBelowTheVariation) {
    startWith(itemsText({{46, "4"}}));
    EXPECT_EQ(o.settings.HEADING_CORRECTION, 5);
    EXPECT_EQ(f.HEADING_CORRECTION, 5);
    EXPECT_EQ(o.X_STRING, "005 WEST");
    EXPECT_FALSE(f.NEWAZIMUTH) << "the azimuth scale was drawn by the WEST press";
}

TEST_F(SettingsLoad, AStoredVariationOf180WrapsToMinus179) {
    startWith(itemsText({{46, "180"}}));
    EXPECT_EQ(o.settings.HEADING_CORRECTION, -179);
    EXPECT_EQ(o.Label_HEADING_CORRECTION.caption, "179 EAST");
}

TEST_F(SettingsLoad, LettersInTheVariationGiveAVariationOfOne) {
    startWith(itemsText({{46, "west"}}));
    EXPECT_EQ(o.settings.HEADING_CORRECTION, 1);
    EXPECT_EQ(fileText(rig.file), itemsText({{46, "west"}})) << "not a failure: no recovery";
}

TEST_F(SettingsLoad, LettersInColourItemsGiveBlack) {
    startWith(itemsText({{1, "green"}, {9, "\"red\""}}));
    EXPECT_EQ(o.settings.colour(ColourSlot::DisplayBackground), 0u);
    EXPECT_EQ(o.presets.at(2, 1), 0);
    EXPECT_EQ(o.settings.colour(ColourSlot::ButtonBackground), 0x6F9B98u);
}

TEST_F(SettingsLoad, TheExactOffCaptionsSwitchAcquisitionAndTestModeOff) {
    startWith(itemsText({{43, "\"A:ACQUIRE  ( OFF )\""}, {44, "\"T:TEST             ( OFF )\""}}));
    EXPECT_EQ(f.CmdButton_ACQUIRE.caption, ACQUIRE_OFF);
    EXPECT_EQ(f.CmdButton_TEST.caption, TEST_OFF);
    EXPECT_FALSE(rig.serial.isOpen());
    EXPECT_EQ(rig.serial.opens, 0);
}

TEST_F(SettingsLoad, AcquisitionOnWithTestModeOffOpensThePortAndThenSetsTheBaudRate) {
    startWith(itemsText({{42, "9600"}, {44, "\"T:TEST             ( OFF )\""}}));
    EXPECT_EQ(f.CmdButton_ACQUIRE.caption, ACQUIRE_ON);
    EXPECT_EQ(f.CmdButton_TEST.caption, TEST_OFF);
    EXPECT_TRUE(rig.serial.isOpen());
    EXPECT_EQ(rig.serial.settings, "9600,n,8,1");
    EXPECT_EQ(f.Label_COMM.caption, "COM1 @ 9600 BAUD");
}

TEST_F(SettingsLoad, NearMissesOfTheOffCaptionsCountAsOn) {
    startWith(
        itemsText({{43, "\"A:ACQUIRE ( OFF )\""}, {44, "\"T:TEST ( OFF )\""}, {45, "\"gps\""}}));
    EXPECT_EQ(f.CmdButton_ACQUIRE.caption, ACQUIRE_ON);
    EXPECT_EQ(f.CmdButton_TEST.caption, TEST_ON);
    EXPECT_TRUE(f.SIMULATE_TIMER);
    EXPECT_EQ(o.settings.headingSource, "MANUAL");
}

TEST_F(SettingsLoad, AnUnquotedOffCaptionIsStillTheCaption) {
    startWith(itemsText({{43, "A:ACQUIRE  ( OFF )"}}));
    EXPECT_EQ(f.CmdButton_ACQUIRE.caption, ACQUIRE_OFF);
}

TEST_F(SettingsLoad, TheGpsHeadingSourceHidesTheManualHeadingButtons) {
    startWith(itemsText({{45, "\"GPS\""}}));
    EXPECT_EQ(o.settings.headingSource, "GPS");
    EXPECT_TRUE(f.GPS_TIMER);
    EXPECT_FALSE(f.CmdButton_HDG_CW.visible);
    EXPECT_FALSE(f.CmdButton_HDG_CCW.visible);
    EXPECT_FALSE(f.Frame_GPS_FAIL.visible);
    EXPECT_EQ(f.Label_HDG.caption, "GPS 000 TRU");
}

TEST_F(SettingsLoad, AStoredPortSetsThePortCaptionTagAndCommLabel) {
    startWith(itemsText({{41, "3"}, {42, "1200"}}));
    EXPECT_EQ(rig.serial.port, 3);
    EXPECT_EQ(o.CmdButton_COMM_PORT.caption, "COMM PORT : COM 3");
    EXPECT_EQ(o.CmdButton_COMM_PORT.tag, "COM3 @ ");
    EXPECT_EQ(o.CmdButton_BAUD_RATE.tag, "1200 BAUD");
    EXPECT_EQ(f.Label_COMM.caption, "COM3 @ 1200 BAUD");
}

TEST_F(SettingsLoad, AnUnknownBaudRateBecomes4800AndIsWrittenSoAtShutDown) {
    startWith(itemsText({{42, "300"}}));
    EXPECT_EQ(o.BAUD_RATE, 4800);
    EXPECT_EQ(rig.serial.settings, "4800,n,8,1");
    EXPECT_EQ(o.CmdButton_BAUD_RATE.caption, "BAUD RATE : 4800");
    rig.program.shutDown();
    EXPECT_EQ(writtenItems().at(41), "4800");
}

TEST_F(SettingsLoad, AFileCutOffAfterItem20IsReplacedByTheDefaultsWhole) {
    startWith(cutOffAfter(20));
    EXPECT_EQ(fileText(rig.file), defaultsText());
    EXPECT_EQ(o.presets.at(1, 1), static_cast<Long>(DEFAULT_COLOURS[0]))
        << "colours read from the damaged file are overwritten by the second pass";
    EXPECT_EQ(o.settings.colours, DEFAULT_COLOURS);
    EXPECT_EQ(f.Label_COMM.caption, "COM1 @ 4800 BAUD");
}

TEST_F(SettingsLoad, AFileCutOffAfterItem45IsReplacedToo) {
    startWith(cutOffAfter(45));
    EXPECT_EQ(fileText(rig.file), defaultsText());
    EXPECT_EQ(o.settings.HEADING_CORRECTION, 0);
}

TEST_F(SettingsLoad, APortTheSerialPortRefusesIsReplacedByTheDefaults) {
    startWith(itemsText({{41, "12"}}));
    EXPECT_EQ(rig.serial.port, 1);
    EXPECT_EQ(fileText(rig.file), defaultsText());
    EXPECT_EQ(o.CmdButton_COMM_PORT.tag, "COM1 @ ");
}

TEST_F(SettingsLoad, AVariationBeyond16BitsIsReplacedByTheDefaults) {
    startWith(itemsText({{46, "40000"}}));
    EXPECT_EQ(fileText(rig.file), defaultsText());
    EXPECT_EQ(o.settings.HEADING_CORRECTION, 0);
}

TEST_F(SettingsLoad, APortThatCannotBeOpenedForAcquisitionFallsBackToTheDefaults) {
    rig.serial.failOpen = true;
    rig.serial.failReason = "COM1: No such file or directory";
    startWith(itemsText({{44, "\"T:TEST             ( OFF )\""}}));
    EXPECT_EQ(fileText(rig.file), defaultsText());
    EXPECT_FALSE(rig.serial.isOpen());
    EXPECT_EQ(f.Label_COMM.caption, "COM1 @ 4800 BAUD");
}

TEST_F(SettingsLoad, ASettingsFileThatIsAFolderStartsOnTheBuiltInDefaults) {
    fs::create_directories(rig.file / "inside");
    rig.program.start();
    EXPECT_TRUE(fs::is_directory(rig.file / "inside"));
    EXPECT_EQ(o.settings.colours, DEFAULT_COLOURS);
    EXPECT_EQ(f.Label_COMM.caption, "COM1 @ 4800 BAUD");
    EXPECT_EQ(f.CmdButton_TEST.caption, TEST_ON);

    rig.program.shutDown();
    EXPECT_TRUE(fs::is_directory(rig.file / "inside"));
}

TEST_F(SettingsLoad, ASettingsFolderThatIsAFileStartsOnTheBuiltInDefaults) {
    writeText(rig.folder, "a file where the folder should be");
    rig.program.start();
    EXPECT_EQ(o.settings.colours, DEFAULT_COLOURS);
    EXPECT_EQ(o.Label_HEADING_CORRECTION.caption, "000 WEST");
    rig.program.shutDown();
    EXPECT_EQ(fileText(rig.folder), "a file where the folder should be");
}

struct ShutDown : SettingsLoad {
    void SetUp() override { rig.program.start(); }
};

TEST_F(ShutDown, ClosesThePortAndWritesTheStateOfTheRun) {
    rig.click("CmdButton_TEST");
    ASSERT_TRUE(rig.serial.isOpen());
    rig.serial.port = 5;
    o.BAUD_RATE = 2400;
    o.settings.headingSource = "GPS";
    o.settings.HEADING_CORRECTION = -30;
    o.settings.colours[6] = 0x123456;
    o.presets.at(3, 2) = 77;

    rig.program.shutDown();

    EXPECT_FALSE(rig.serial.isOpen());
    const std::vector<std::string> items = writtenItems();
    ASSERT_EQ(items.size(), SETTINGS_ITEMS);
    EXPECT_EQ(items[6], std::to_string(0x123456)) << "preset 1 is the scheme in use";
    EXPECT_EQ(items[17], "77") << "preset 3, slot 2";
    EXPECT_EQ(items[40], "5");
    EXPECT_EQ(items[41], "2400");
    EXPECT_EQ(items[42], "\"A:ACQUIRE    ( ON )\"");
    EXPECT_EQ(items[43], "\"T:TEST             ( OFF )\"");
    EXPECT_EQ(items[44], "\"GPS\"");
    EXPECT_EQ(items[45], "-31");
}

TEST_F(ShutDown, QuitOnlyAsksForTheWindowToCloseWhichThenWritesTheFile) {
    fs::remove(rig.file);
    rig.click("CmdButton_QUIT");
    EXPECT_TRUE(rig.program.closeRequested());
    EXPECT_FALSE(fs::exists(rig.file));
    rig.program.shutDown();
    EXPECT_EQ(fileText(rig.file), defaultsText());
}

TEST_F(ShutDown, QuitByItsKeyAsksForTheWindowToClose) {
    rig.program.keyDown('Q', 0);
    EXPECT_TRUE(rig.program.closeRequested());
}

TEST(SettingsRoundTrip, EveryVariationFromMinus179To180SurvivesAShutDownAndAStart) {
    TemporaryFolder home;
    const fs::path folder = home.path / "Vectrin";
    for (int v = -179; v <= 180; ++v) {
        {
            StartedRun run(folder);
            run.o.settings.HEADING_CORRECTION = static_cast<Integer>(v);
            run.program.shutDown();
        }
        StartedRun next(folder);
        ASSERT_EQ(next.o.settings.HEADING_CORRECTION, v);
        ASSERT_EQ(next.f.HEADING_CORRECTION, v);
    }
}

TEST(SettingsRoundTrip, TheWholeStateOfARunComesBack) {
    TemporaryFolder home;
    const fs::path folder = home.path / "Vectrin";
    {
        StartedRun run(folder);
        run.program.click("CmdButton_ACQUIRE");
        run.program.click("CmdButton_TEST");
        run.program.optionsClick("CmdButton_HEADING");
        run.program.optionsClick("CmdButton_BAUD_RATE");
        run.program.optionsClick("CmdButton_COMM_PORT");
        run.picker.choice = 0x00ABCDEF;
        run.program.optionsClick("cmdbutton_CURSOR_COLOR");
        run.program.optionsClick("CmdButton_B_COLORS");
        run.program.optionsClick("CmdButton_SAVE");
        run.program.shutDown();
    }
    StartedRun next(folder);
    EXPECT_EQ(next.f.CmdButton_ACQUIRE.caption, ACQUIRE_OFF);
    EXPECT_EQ(next.f.CmdButton_TEST.caption, TEST_OFF);
    EXPECT_FALSE(next.serial.isOpen());
    EXPECT_EQ(next.o.settings.headingSource, "GPS");
    EXPECT_EQ(next.o.BAUD_RATE, 9600);
    EXPECT_EQ(next.serial.port, 2);
    EXPECT_EQ(next.f.Label_COMM.caption, "COM2 @ 9600 BAUD");
    EXPECT_EQ(next.o.settings.colour(ColourSlot::Cursor), 0x00ABCDEFu);
    EXPECT_EQ(next.o.presets.at(3, 8), 0x00ABCDEF);
    EXPECT_EQ(next.o.presets.at(2, 8), static_cast<Long>(DEFAULT_COLOURS[7]));
}

TEST_F(SettingsLoad, ActivationLoadsTheDialogHidden) {
    rig.program.start();
    rig.program.activate();
    EXPECT_FALSE(o.visible);
    EXPECT_EQ(&rig.program.options(), &o);
}

TEST_F(SettingsLoad, OptionsShowsTheDialogAndRunsOneCycle) {
    rig.program.start();
    rig.clock.text = "10:15:30 AM";
    const int before = rig.refreshes();
    rig.program.keyDown('O', 0);
    EXPECT_TRUE(o.visible);
    EXPECT_EQ(o.showRequests, 1u);
    EXPECT_EQ(rig.refreshes(), before + 1);
    EXPECT_EQ(f.Label_TIME.caption, "TIME : 10:15:30 AM");
    rig.click("CmdButton_OPTIONS");
    EXPECT_EQ(o.showRequests, 2u) << "a second OPTIONS brings the open dialog up again";
}

} // namespace
