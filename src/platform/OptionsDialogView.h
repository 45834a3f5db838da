// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ControlMirror.h"

#include <QWidget>

#include <functional>
#include <memory>

class DeviceChooserView;
class Program;

// The options dialog: a modeless window beside the main window whose widgets
// mirror the dialog's controls. Button clicks and swatch clicks go to the
// program; afterwards the afterEvent callback brings every window in step.
// Its close box and the Escape key work as EXIT. It shows and hides as the
// model says, and each OPTIONS command brings it up again in its normal state,
// in front. Tab moves through its buttons and swatches, Space or Enter clicks.
// The device chooser is a window of its own over it.
class OptionsDialogView : public QWidget {
public:
    OptionsDialogView(Program& program, QWidget* mainWindow, double twipsPerPixel,
                      std::function<void()> afterEvent);
    ~OptionsDialogView() override;

    // Brings the widgets and the window's visibility in step with the model.
    void sync();

    const ControlMirror& mirror() const { return *mirror_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void captionFrames();
    void clickSwatch(QWidget* swatch);

    Program& program_;
    double twipsPerPixel_;
    std::function<void()> afterEvent_;
    std::unique_ptr<ControlMirror> mirror_;
    DeviceChooserView* chooser_;
    unsigned showRequestsSeen_ = 0;
};
