// SPDX-License-Identifier: GPL-3.0-or-later
#include "PainterReplay.h"

#include "platform/FontMapping.h"
#include "platform/QtColours.h"

#include <QPainter>

#include <cmath>

namespace {

QPoint toPixel(Single x, Single y, double twipsPerPixel) {
    return {static_cast<int>(std::floor(x / twipsPerPixel + 0.5)),
            static_cast<int>(std::floor(y / twipsPerPixel + 0.5))};
}

QPen penFor(const PenState& pen) {
    return QPen(toQColor(pen.foreColour), pen.lineWidth,
                pen.lineStyle == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
}

} // namespace

void replayWithPainter(const std::vector<DrawOp>& ops, QImage& image, double twipsPerPixel) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const DrawOp& op : ops) {
        switch (op.kind) {
        case DrawOp::Line:
            painter.setPen(penFor(op.pen));
            painter.drawLine(toPixel(op.x, op.y, twipsPerPixel),
                             toPixel(op.x + op.dx, op.y + op.dy, twipsPerPixel));
            break;
        case DrawOp::Circle: {
            painter.setPen(penFor(op.pen));
            if (op.pen.fillStyle == FillStyle::Solid)
                painter.setBrush(toQColor(op.pen.fillColour));
            else
                painter.setBrush(Qt::NoBrush);
            const int r = static_cast<int>(std::floor(op.radius / twipsPerPixel + 0.5));
            painter.drawEllipse(toPixel(op.x, op.y, twipsPerPixel), r, r);
            break;
        }
        case DrawOp::Print:
            painter.setFont(toQFont(op.pen.font));
            painter.setPen(toQColor(op.pen.foreColour));
            painter.drawText(toPixel(op.pen.textX, op.pen.textY, twipsPerPixel), op.text.c_str());
            break;
        case DrawOp::Clear: // a steady cycle neither clears nor changes the back colour
        case DrawOp::SetBackColour:
        case DrawOp::Refresh:
            break;
        }
    }
}
