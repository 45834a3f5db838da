// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/AccessibleText.h"
#include "display/Control.h"

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

// Widgets for the controls of a window's model, kept in step with it: frames
// become plain containers (no border, no caption); labels show their text,
// wrapped at blanks when the label is two or more lines tall, on a transparent
// background unless they have a back colour; buttons become push buttons. A
// control's container is the widget of the frame it names, else the window.
// Positions and sizes are twips. The mirror only shows; it decides nothing.
class ControlMirror {
public:
    // What a button reports, with the control's name: press and release of
    // any mouse button (held until the last one comes up, on the button or
    // not), and the click of the main one, in that order.
    struct ButtonHandlers {
        std::function<void(const std::string&)> pressed;
        std::function<void(const std::string&)> released;
        std::function<void(const std::string&)> clicked;
    };

    // controls: frames before the controls they hold.
    ControlMirror(QWidget& window, std::vector<Control*> controls, double twipsPerPixel,
                  ButtonHandlers handlers);

    // Applies every property that changed in the model since the last sync.
    void sync();

    // Gives every widget the accessible name and description that `texts`
    // makes of its control, now and whenever its caption or colour changes.
    void setAccessibleTexts(std::function<AccessibleText(const Control&)> texts);

    // The widget of a control (null for an unknown name), and all of them.
    QWidget* widget(const std::string& name) const;
    std::vector<QWidget*> widgets() const;

private:
    struct Entry {
        Control* model;
        QWidget* widget;
        Control shown; // as last applied
    };

    QWidget* create(const Control& control, QWidget& parent);
    void apply(Entry& entry, bool everything);
    void applyAccessibleText(const Entry& entry);

    std::vector<Entry> entries_;
    double twipsPerPixel_;
    ButtonHandlers handlers_;
    std::function<AccessibleText(const Control&)> accessibleTexts_;
};
