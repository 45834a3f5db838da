// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OutsideEnds.h"

#include "platform/MainWindowView.h"
#include "settings/Program.h"

#include <QApplication>

#include <cstdlib>
#include <functional>

namespace {

// The program that exit() must still shut down.
Program* running = nullptr;

void shutDownOnExit() {
    if (running) running->shutDown();
}

// What the QUIT button does.
std::function<void()> quitting(Program& program, MainWindowView& view) {
    return [&program, &view] {
        program.click("CmdButton_QUIT");
        view.afterEvent();
    };
}

} // namespace

OutsideEnds::OutsideEnds(QApplication& app, Program& program, MainWindowView& view)
    : signals_(quitting(program, view)) {
    QObject::connect(&app, &QGuiApplication::commitDataRequest, quitting(program, view));
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&program] { program.shutDown(); });
    static const bool registered = std::atexit(shutDownOnExit) == 0;
    if (registered) running = &program;
}

OutsideEnds::~OutsideEnds() {
    running = nullptr;
}
