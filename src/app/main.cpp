// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DataFolder.h"
#include "platform/LivePorts.h"
#include "platform/MainWindowView.h"
#include "platform/OptionsDialogView.h"
#include "platform/QtColourPicker.h"
#include "platform/QtColours.h"
#include "platform/RasterSurface.h"
#include "platform/ReplayPorts.h"
#include "platform/SettingsFolder.h"
#include "platform/Twips.h"
#include "settings/Program.h"

#include <QApplication>
#include <QPalette>
#include <QScreen>

#include <iostream>
#include <memory>
#include <optional>

namespace {

struct Options {
    std::optional<std::string> replay;
    double speed = 1;
};

// --replay FILE [--speed N]; nullopt after telling what is wrong.
std::optional<Options> parseOptions(const QStringList& arguments) {
    Options options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        bool number = false;
        if (a == QLatin1String("--replay") && hasValue) {
            options.replay = arguments[++i].toStdString();
            continue;
        }
        if (a == QLatin1String("--speed") && hasValue) {
            options.speed = arguments[++i].toDouble(&number);
            if (number && options.speed > 0 && options.speed <= 1000) continue;
        }
        std::cerr << "usage: vectrin [--replay FILE [--speed N]]   (N from 0 to 1000)\n";
        return std::nullopt;
    }
    return options;
}

} // namespace

// Wires the Qt adapters to the program, starts it, opens the main window
// maximized and runs the event loop until the window closes.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    const std::optional<Options> commandLine = parseOptions(QCoreApplication::arguments());
    if (!commandLine) return 2;
    std::unique_ptr<PortSet> ports;
    if (commandLine->replay)
        ports = ReplayPorts::load(*commandLine->replay, commandLine->speed, std::cerr);
    else
        ports = std::make_unique<LivePorts>(sessionsFolder());
    if (!ports) return 1;

    const double dpi = app.primaryScreen()->logicalDotsPerInch();
    const double twipsPerPixel = twipsPerPixelAt(dpi);
    RasterSurface surface(dpi);
    QtColourPicker picker;

    const QPalette palette = app.palette();
    SystemColours system;
    system.buttonFace = fromQColor(palette.color(QPalette::Button));
    system.buttonShadow = fromQColor(palette.color(QPalette::Dark));

    Program program(ProgramPorts{surface, ports->serial(), ports->clock(), ports->timer1(),
                                 ports->timerMouseDown(), picker, settingsFolder(), system});
    program.start();

    MainWindowView view(program, surface, twipsPerPixel);
    picker.setParent(&view);
    const auto afterEvent = [&view] { view.afterEvent(); };
    ports->setAfterEvent(afterEvent);
    OptionsDialogView options(program, &view, twipsPerPixel, afterEvent);
    view.addFollower([&options] { options.sync(); });
    view.setOnClosed([&app] { app.quit(); });

    view.applyWindowState(WindowState::Maximized);
    view.show();
    view.activateWindow();
    ports->begin(program);
    return app.exec();
}
