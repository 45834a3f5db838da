// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtColourPicker.h"

#include "platform/QtColours.h"

#include <QColorDialog>

namespace {
// The flag that opens the picker on the colour set before; without it the
// picker opens on white. Qt's dialog always shows its custom-colour part, so
// the full-open flag needs nothing here.
constexpr int OPEN_ON_COLOUR = 1;
} // namespace

void QtColourPicker::show() {
    const QColor initial = (flags_ & OPEN_ON_COLOUR) ? toQColor(colour_) : QColor(Qt::white);
    const QColor chosen = QColorDialog::getColor(initial, parent_);
    if (chosen.isValid()) colour_ = fromQColor(chosen);
}
