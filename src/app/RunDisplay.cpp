// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RunDisplay.h"

#include "app/FolderClaim.h"
#include "app/OutsideEnds.h"

#include "platform/DataFolder.h"
#include "platform/LivePorts.h"
#include "platform/MainWindowView.h"
#include "platform/OptionsDialogView.h"
#include "platform/QtColourPicker.h"
#include "platform/QtColours.h"
#include "platform/RasterSurface.h"
#include "platform/ReplayPorts.h"
#include "platform/SettingsFolder.h"
#include "platform/SysfsSerialDevices.h"
#include "platform/Twips.h"
#include "settings/Program.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QPalette>
#include <QScreen>

#include <iostream>
#include <memory>

namespace {

// The session to replay could not be read.
constexpr int NO_SESSION = 1;

} // namespace

// Wires the Qt adapters to the program, starts it, opens the main window
// maximized and runs the event loop until the window closes.
int runDisplay(CommandLine& line) {
    if (!line.settingsFolder.empty()) chooseSettingsFolder(line.settingsFolder);
    int argc = static_cast<int>(line.qtArguments.size());
    line.qtArguments.push_back(nullptr);
    QApplication app(argc, line.qtArguments.data());
    app.setQuitOnLastWindowClosed(false);
    app.setDesktopFileName("org.vectrin.vectrin");
    QIcon icon;
    for (const QString& png : QDir(":/icons").entryList())
        icon.addFile(":/icons/" + png);
    app.setWindowIcon(icon);
    const std::string folder = settingsFolder();
    FolderClaim claim(folder, !line.replay.empty());
    if (const auto status = claim.handOver()) return *status;
    SysfsSerialDevices devices(DevicePlaces{folder});
    std::unique_ptr<PortSet> ports;
    if (line.replay.empty())
        ports = std::make_unique<LivePorts>(devices, sessionsFolder(), bearingLogFile());
    else if (!(ports = ReplayPorts::load(line.replay, line.speed, std::cerr)))
        return NO_SESSION;

    const double dpi = app.primaryScreen()->logicalDotsPerInch();
    const double twipsPerPixel = twipsPerPixelAt(dpi);
    RasterSurface surface(dpi);
    QtColourPicker picker;

    const QPalette palette = app.palette();
    SystemColours system;
    system.buttonFace = fromQColor(palette.color(QPalette::Button));
    system.buttonShadow = fromQColor(palette.color(QPalette::Dark));

    Program program(ProgramPorts{surface, ports->serial(), ports->clock(), ports->timer1(),
                                 ports->timerMouseDown(), picker, folder, system, devices});
    program.start();
    if (!program.startNotice().empty()) std::cerr << "vectrin: " << program.startNotice() << '\n';

    MainWindowView view(program, surface, twipsPerPixel);
    picker.setParent(&view);
    const auto afterEvent = [&view] { view.afterEvent(); };
    ports->setAfterEvent(afterEvent);
    OptionsDialogView options(program, &view, twipsPerPixel, afterEvent);
    view.addFollower([&options] { options.sync(); });
    view.setOnClosed([&app] { app.quit(); });
    const OutsideEnds outsideEnds(app, program, view);
    claim.answerCalls(view);

    view.applyWindowState(WindowState::Maximized);
    view.show();
    view.activateWindow();
    ports->begin(program);
    return app.exec();
}
