// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MainWindowView.h"
#include "platform/OptionsDialogView.h"
#include "platform/QtClock.h"
#include "platform/QtColourPicker.h"
#include "platform/QtColours.h"
#include "platform/QtSerialPort.h"
#include "platform/QtTimer.h"
#include "platform/RasterSurface.h"
#include "platform/SettingsFolder.h"
#include "platform/SysfsSerialDevices.h"
#include "platform/Twips.h"
#include "settings/Program.h"

#include <QApplication>
#include <QPalette>
#include <QScreen>

#include <iostream>

// Wires the Qt adapters to the program, starts it, opens the main window
// maximized and runs the event loop until the window closes.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);

    const double dpi = app.primaryScreen()->logicalDotsPerInch();
    const double twipsPerPixel = twipsPerPixelAt(dpi);
    RasterSurface surface(dpi);
    SysfsSerialDevices devices(DevicePlaces{settingsFolder()});
    QtSerialPort serial(devices);
    QtClock clock;
    QtTimer timer1;
    QtTimer timerMouseDown;
    QtColourPicker picker;

    const QPalette palette = app.palette();
    SystemColours system;
    system.buttonFace = fromQColor(palette.color(QPalette::Button));
    system.buttonShadow = fromQColor(palette.color(QPalette::Dark));

    Program program(ProgramPorts{surface, serial, clock, timer1, timerMouseDown, picker,
                                 settingsFolder(), system, devices});
    program.start();
    if (!program.startNotice().empty()) std::cerr << "vectrin: " << program.startNotice() << '\n';

    MainWindowView view(program, surface, twipsPerPixel);
    picker.setParent(&view);
    const auto afterEvent = [&view] { view.afterEvent(); };
    timer1.setAfterTick(afterEvent);
    timerMouseDown.setAfterTick(afterEvent);
    serial.setAfterNotification(afterEvent);
    OptionsDialogView options(program, &view, twipsPerPixel, afterEvent);
    view.addFollower([&options] { options.sync(); });
    view.setOnClosed([&app] { app.quit(); });

    view.applyWindowState(WindowState::Maximized);
    view.show();
    view.activateWindow();
    return app.exec();
}
