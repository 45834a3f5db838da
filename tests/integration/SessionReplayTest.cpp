// SPDX-License-Identifier: GPL-3.0-or-later
// A session recorded from a pseudo-terminal through the live ports, while a
// stepping button is held, then replayed ten times faster: the replay ends
// with the histogram of the run and leaves the settings file as it found it.

#include "integration/SerialRig.h"
#include "platform/LivePorts.h"
#include "platform/RasterSurface.h"
#include "platform/ReplayPorts.h"
#include "settings/Program.h"
#include "support/FakeSerialDevices.h"
#include "support/Fakes.h"
#include "support/TempHome.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// The DF messages, each with line noise before it: a byte 0, a backslash,
// the end of a GPS sentence.
const std::string LINE[] = {"%010\r\n",
                            "\\x%010\r\n",
                            std::string("\0%020", 5),
                            "*4F\r\n%355\r\n",
                            "%180",
                            "$GPGSV,3,1*7A\r\n%181\r\n",
                            "%010",
                            "%359\r\n",
                            "%000"};
// Well beyond the 50 ms tick, so that no message falls in the lock-out of
// the one before, neither live nor in the replay.
constexpr int SPACING_MS = 150;

struct ProgramOn {
    RasterSurface surface{96, 640, 480};
    FakeColourPicker picker;
    FakeSerialDevices devices;
    Program program;
    ProgramOn(PortSet& p, const std::string& folder)
        : program({surface, p.serial(), p.clock(), p.timer1(), p.timerMouseDown(), picker, folder,
                   SystemColours(), devices}) {
        program.start();
        program.resize();
    }
    form_VECTRIN& f() { return program.main(); }
};

TEST(SessionReplay, ReplayAtTenTimesEndsWithTheHistogramOfTheRecordedRun) {
    SerialRig rig; // its folders and the devices; its own port stays closed
    Pty pty;
    rig.com(6, pty.slave);
    const fs::path settingsFile = rig.places.settingsFolder + "/Vectrin.ini";
    decltype(form_VECTRIN::BRG_HIST) recorded{};
    {
        LivePorts live(rig.devices, (rig.root / "sessions").string(),
                       (rig.root / "bearings.csv").string());
        ProgramOn run(live, rig.places.settingsFolder);
        run.f().MSComm1.setPortNumber(6);
        run.program.click("CmdButton_TEST"); // DF data from the port, test mode off
        ASSERT_TRUE(run.f().MSComm1.isOpen());
        // A stepping button is held down all along: its repeat enables the 50 ms
        // tick far more often than it ticks, and no message may be lost to that.
        run.program.mouseDown("CmdButton_CUR_CW");
        ASSERT_TRUE(waitUntil([&] { return run.f().BIGSTEP; })) << "no repeat";
        QElapsedTimer since;
        for (const std::string& text : LINE) {
            const auto before = run.f().INCOUNT;
            pty.write(text);
            ASSERT_TRUE(waitUntil([&] { return run.f().INCOUNT == before + 1; }));
            since.start();
            waitUntil([&] { return since.elapsed() >= SPACING_MS; });
        }
        EXPECT_TRUE(run.f().Timer_MOUSE_DOWN.enabled()) << "the repeat stopped";
        run.program.mouseUp("CmdButton_CUR_CW");
        run.program.click("CmdButton_ACQUIRE"); // off: the port closes, the session ends
        recorded = run.f().BRG_HIST;
    }

    ASSERT_EQ(std::distance(fs::directory_iterator(rig.root / "sessions"), {}), 1);
    const fs::path session = fs::directory_iterator(rig.root / "sessions")->path();
    const std::string settingsBefore = fileText(settingsFile);
    ASSERT_NE(settingsBefore, "");

    std::ostringstream notes;
    auto replay = ReplayPorts::load(session.string(), 10, notes);
    ASSERT_TRUE(replay);
    {
        ProgramOn run(*replay, rig.places.settingsFolder);
        replay->begin(run.program);
        ASSERT_TRUE(waitUntil([&] { return replay->ended(); }, 10000)) << notes.str();
        EXPECT_EQ(run.f().BRG_HIST, recorded);
        EXPECT_EQ(run.f().INCOUNT, std::size(LINE));
        EXPECT_EQ(run.f().Label_LAST_BRG.caption, "LAST BRG : 000");
        EXPECT_NE(notes.str().find("finished after"), std::string::npos) << notes.str();
        run.program.shutDown();
    }
    EXPECT_EQ(fileText(settingsFile), settingsBefore);
}

} // namespace
