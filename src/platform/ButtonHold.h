// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

// Watches a button for being held down with any mouse button: `pressed` when
// the first mouse button goes down on it, `released` when the last one comes
// up, wherever the pointer is by then (a push button of its own lets go as
// soon as the pointer slides off it, and only hears the main mouse button).
// A button hidden while held is let go.
class ButtonHold : public QObject {
public:
    ButtonHold(QObject& button, std::function<void()> pressed, std::function<void()> released);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> pressed_;
    std::function<void()> released_;
    bool held_ = false;
};
