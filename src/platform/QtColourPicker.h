// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/ColourPicker.h"

#include <QPointer>
#include <QWidget>

// The colour picker as Qt's modal colour dialog. Cancel keeps the colour set
// before it was shown.
class QtColourPicker : public ColourPicker {
public:
    // parent: the window the dialog belongs to (may be null).
    explicit QtColourPicker(QWidget* parent = nullptr) : parent_(parent) {}

    void setParent(QWidget* parent) { parent_ = parent; }
    void setFlags(int flags) override { flags_ = flags; }
    void setColour(Colour colour) override { colour_ = colour; }
    void show() override;
    Colour colour() const override { return colour_; }

private:
    QPointer<QWidget> parent_;
    int flags_ = 0;
    Colour colour_ = 0;
};
