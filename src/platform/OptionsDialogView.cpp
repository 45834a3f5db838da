// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/OptionsDialogView.h"

#include "platform/DeviceChooserView.h"
#include "platform/Twips.h"
#include "settings/OptionsAccessibleText.h"
#include "settings/Program.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <utility>

namespace {

const char* const SWATCH_PREFIX = "Picture_";
// Where a frame shows its caption, pixels from its top-left corner.
constexpr int CAPTION_LEFT = 6;
// A swatch's border, and while it has the keyboard focus.
constexpr int SWATCH_BORDER = 1;
constexpr int FOCUSED_SWATCH_BORDER = 3;

bool clicksFromKeyboard(const QKeyEvent& key) {
    return key.key() == Qt::Key_Space || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

bool isSwatch(const Control& control) {
    return control.name.rfind(SWATCH_PREFIX, 0) == 0;
}

} // namespace

OptionsDialogView::OptionsDialogView(Program& program, QWidget* mainWindow, double twipsPerPixel,
                                     std::function<void()> afterEvent)
    : QWidget(mainWindow, Qt::Dialog), program_(program), twipsPerPixel_(twipsPerPixel),
      afterEvent_(std::move(afterEvent)) {
    Form_OPTIONS& dialog = program_.options();
    setWindowTitle(QString::fromStdString(dialog.caption));
    setFixedSize(twipsToPixels(dialog.width, twipsPerPixel_),
                 twipsToPixels(dialog.height, twipsPerPixel_));

    ControlMirror::ButtonHandlers buttons;
    buttons.clicked = [this](const std::string& name) {
        program_.optionsClick(name);
        afterEvent_();
    };
    mirror_ = std::make_unique<ControlMirror>(*this, dialog.controls(), twipsPerPixel_,
                                              std::move(buttons));
    captionFrames();
    mirror_->setAccessibleTexts(optionsDialogText);
    for (Control* control : dialog.controls()) {
        if (auto* button = qobject_cast<QPushButton*>(mirror_->widget(control->name))) {
            button->setFocusPolicy(Qt::StrongFocus);
            button->setAutoDefault(true); // Enter clicks it too
        }
        if (!isSwatch(*control)) continue;
        auto* swatch = static_cast<QLabel*>(mirror_->widget(control->name));
        swatch->setFrameShape(QFrame::Box);
        swatch->setLineWidth(SWATCH_BORDER);
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->setFocusPolicy(Qt::StrongFocus);
        swatch->installEventFilter(this);
    }
    chooser_ = new DeviceChooserView(program_, this, afterEvent_);
    showRequestsSeen_ = dialog.showRequests;
    setVisible(dialog.visible);
}

OptionsDialogView::~OptionsDialogView() = default;

// The frames of the dialog carry a border and their caption.
void OptionsDialogView::captionFrames() {
    for (Control* control : program_.options().controls()) {
        if (control->kind != ControlKind::Frame) continue;
        auto* frame = static_cast<QFrame*>(mirror_->widget(control->name));
        frame->setFrameShape(QFrame::StyledPanel);
        auto* caption = new QLabel(QString::fromStdString(control->caption), frame);
        caption->move(CAPTION_LEFT, 1);
        caption->adjustSize();
    }
}

void OptionsDialogView::sync() {
    Form_OPTIONS& dialog = program_.options();
    dialog.showSettings();
    mirror_->sync();
    if (dialog.showRequests != showRequestsSeen_) {
        showRequestsSeen_ = dialog.showRequests;
        showNormal();
        raise();
        activateWindow();
    }
    if (dialog.visible != isVisible()) setVisible(dialog.visible);
    chooser_->sync();
}

// A click on a swatch (released over it), or Space or Enter while it has the
// focus, is a click of the button beside it.
bool OptionsDialogView::eventFilter(QObject* watched, QEvent* event) {
    auto* swatch = static_cast<QLabel*>(watched);
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        swatch->setLineWidth(swatch->hasFocus() ? FOCUSED_SWATCH_BORDER : SWATCH_BORDER);
        return false;
    case QEvent::KeyPress:
        if (!clicksFromKeyboard(static_cast<const QKeyEvent&>(*event))) return false;
        clickSwatch(swatch);
        return true;
    case QEvent::MouseButtonRelease: {
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        if (mouse.button() != Qt::LeftButton ||
            !swatch->rect().contains(mouse.position().toPoint()))
            return false;
        clickSwatch(swatch);
        return true;
    }
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void OptionsDialogView::clickSwatch(QWidget* swatch) {
    for (Control* control : program_.options().controls())
        if (mirror_->widget(control->name) == swatch) {
            program_.optionsClick(control->name);
            afterEvent_();
            return;
        }
}

void OptionsDialogView::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    program_.optionsClick("cmdbutton_EXIT");
    afterEvent_();
}

void OptionsDialogView::closeEvent(QCloseEvent* event) {
    event->ignore();
    program_.optionsClick("cmdbutton_EXIT");
    afterEvent_();
}
