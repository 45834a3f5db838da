// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/SerialDevices.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

class Program;
class QLabel;
class QLineEdit;
class QTreeWidget;

// The device chooser: a small window over the options dialog that lists the
// serial devices present (looked at again every second while it is shown)
// and holds a field for a typed path. It mirrors the chooser of the options
// dialog's model; what the operator does goes to the model, then afterEvent
// brings every window in step. Its close box and Escape work as CANCEL.
class DeviceChooserView : public QWidget {
public:
    DeviceChooserView(Program& program, QWidget* dialog, std::function<void()> afterEvent);

    // Brings the widgets and the window's visibility in step with the model.
    void sync();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void act(const std::function<void()>& action);
    void showDevices(const std::vector<SerialDevice>& devices);

    Program& program_;
    std::function<void()> afterEvent_;
    QTreeWidget* list_;
    QLineEdit* path_;
    QLabel* message_;
    QTimer refresh_;
    std::vector<SerialDevice> shown_;
    unsigned showRequestsSeen_ = 0;
};
