// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ControlMirror.h"

#include "platform/ButtonHold.h"
#include "platform/FontMapping.h"
#include "platform/QtColours.h"
#include "platform/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <map>
#include <utility>

namespace {

QString buttonText(const std::string& caption) {
    // An ampersand would mark a shortcut letter; the caption shows it as it is.
    return QString::fromStdString(caption).replace(QLatin1Char('&'), QLatin1String("&&"));
}

void setColours(QWidget& widget, const Control& control) {
    QPalette palette = widget.palette();
    const QColor text = toQColor(control.textColour);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    if (control.backColour) {
        palette.setColor(QPalette::Window, toQColor(*control.backColour));
        palette.setColor(QPalette::Button, toQColor(*control.backColour));
    }
    widget.setPalette(palette);
    widget.setAutoFillBackground(control.backColour.has_value() &&
                                 control.kind != ControlKind::Button);
}

} // namespace

ControlMirror::ControlMirror(QWidget& window, std::vector<Control*> controls, double twipsPerPixel,
                             ButtonHandlers handlers)
    : twipsPerPixel_(twipsPerPixel), handlers_(std::move(handlers)) {
    std::map<std::string, QWidget*> frames;
    for (Control* control : controls) {
        const auto container = frames.find(control->container);
        QWidget& parent = container != frames.end() ? *container->second : window;
        QWidget* widget = create(*control, parent);
        if (control->kind == ControlKind::Frame) frames[control->name] = widget;
        entries_.push_back({control, widget, *control});
        apply(entries_.back(), true);
    }
}

QWidget* ControlMirror::create(const Control& control, QWidget& parent) {
    switch (control.kind) {
    case ControlKind::Frame: {
        auto* frame = new QFrame(&parent);
        frame->setFrameShape(QFrame::NoFrame);
        return frame;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(&parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::Button:
        break;
    }
    auto* button = new QPushButton(&parent);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    const std::string name = control.name;
    new ButtonHold(
        *button,
        [this, name] {
            if (handlers_.pressed) handlers_.pressed(name);
        },
        [this, name] {
            if (handlers_.released) handlers_.released(name);
        });
    QObject::connect(button, &QPushButton::clicked, [this, name] {
        if (handlers_.clicked) handlers_.clicked(name);
    });
    return button;
}

void ControlMirror::sync() {
    for (Entry& entry : entries_)
        apply(entry, false);
}

void ControlMirror::setAccessibleTexts(std::function<AccessibleText(const Control&)> texts) {
    accessibleTexts_ = std::move(texts);
    for (const Entry& entry : entries_)
        applyAccessibleText(entry);
}

void ControlMirror::applyAccessibleText(const Entry& entry) {
    const AccessibleText text = accessibleTexts_(*entry.model);
    const QString name = QString::fromStdString(text.name);
    const QString description = QString::fromStdString(text.description);
    if (entry.widget->accessibleName() != name) entry.widget->setAccessibleName(name);
    if (entry.widget->accessibleDescription() != description)
        entry.widget->setAccessibleDescription(description);
}

void ControlMirror::apply(Entry& entry, bool everything) {
    const Control& now = *entry.model;
    Control& shown = entry.shown;
    QWidget& widget = *entry.widget;
    const auto px = [this](Long twips) { return twipsToPixels(twips, twipsPerPixel_); };
    if (accessibleTexts_ && (now.caption != shown.caption || now.backColour != shown.backColour))
        applyAccessibleText(entry);

    if (everything || now.caption != shown.caption) {
        if (auto* label = qobject_cast<QLabel*>(&widget))
            label->setText(QString::fromStdString(now.caption));
        else if (auto* button = qobject_cast<QPushButton*>(&widget))
            button->setText(buttonText(now.caption));
    }
    if (everything || now.left != shown.left || now.top != shown.top || now.width != shown.width ||
        now.height != shown.height)
        widget.setGeometry(px(now.left), px(now.top), px(now.width), px(now.height));
    if (everything || now.backColour != shown.backColour || now.textColour != shown.textColour)
        setColours(widget, now);
    if (everything || !(now.font == shown.font)) widget.setFont(toQFont(now.font));
    if (auto* label = qobject_cast<QLabel*>(&widget);
        label && (everything || !(now.font == shown.font) || now.height != shown.height))
        label->setWordWrap(px(now.height) >= 2 * label->fontMetrics().lineSpacing());
    if (everything || now.visible != shown.visible) widget.setVisible(now.visible);
    shown = now;
}

QWidget* ControlMirror::widget(const std::string& name) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const Entry& e) { return e.model->name == name; });
    return found != entries_.end() ? found->widget : nullptr;
}

std::vector<QWidget*> ControlMirror::widgets() const {
    std::vector<QWidget*> all;
    for (const Entry& entry : entries_)
        all.push_back(entry.widget);
    return all;
}
