// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// A mouse event of `button` at a point of the widget (its middle unless
// given); `held` is the set of mouse buttons down after it.
inline void sendMouse(QWidget& widget, QEvent::Type type, Qt::MouseButton button,
                      Qt::MouseButtons held, QPointF at = {-1, -1}) {
    if (at.x() < 0) at = QRectF(widget.rect()).center();
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}
