// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ButtonHold.h"

#include <QMouseEvent>

#include <utility>

ButtonHold::ButtonHold(QObject& button, std::function<void()> pressed,
                       std::function<void()> released)
    : QObject(&button), pressed_(std::move(pressed)), released_(std::move(released)) {
    button.installEventFilter(this);
}

// The events go on to the button, which still makes its own click.
bool ButtonHold::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!held_) {
            held_ = true;
            pressed_();
        }
        break;
    case QEvent::MouseButtonRelease:
        if (held_ && static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton) {
            held_ = false;
            released_();
        }
        break;
    case QEvent::Hide:
        if (held_) {
            held_ = false;
            released_();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
