// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ControlMirror.h"
#include "platform/SurfaceHost.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class Program;
class QLabel;
class RasterSurface;

// The main window: its client area shows the raster surface's back buffer,
// its child widgets mirror the main window's controls. Every event goes to
// the program, and after each one the widgets are brought in step with the
// model. Keys are taken at window level before any child sees them.
class MainWindowView : public QWidget, public SurfaceHost {
public:
    MainWindowView(Program& program, RasterSurface& surface, double twipsPerPixel);
    ~MainWindowView() override;

    // After any event handler of the program: mirror the models, run the
    // other followers (the options dialog's view), close when QUIT asked for it.
    void afterEvent();
    void addFollower(std::function<void()> follower);
    // Runs once the window has closed and the program has shut down.
    void setOnClosed(std::function<void()> onClosed);

    const ControlMirror& mirror() const { return *mirror_; }

    QSize outerSize() const override;
    void applyWindowState(WindowState state) override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QSize designSize() const;
    void describePolarDisplay();

    Program& program_;
    RasterSurface& surface_;
    double twipsPerPixel_;
    std::unique_ptr<ControlMirror> mirror_;
    // Tells a screen reader what the polar display shows; draws nothing.
    QLabel* polarDisplay_;
    std::vector<std::function<void()>> followers_;
    std::function<void()> onClosed_;
    bool closing_ = false;
};
