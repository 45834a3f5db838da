// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MainWindowView.h"

#include "display/PolarReadout.h"
#include "platform/KeyCodes.h"
#include "platform/RasterSurface.h"
#include "platform/Twips.h"
#include "platform/WindowManager.h"
#include "settings/Program.h"

#include <QAccessible>
#include <QLabel>

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>

#include <utility>

namespace {

const char* const TITLE = "ZIRC DF Display";
// The client area of the normal (not maximized) window, twips.
constexpr double DESIGN_WIDTH = 9780;
constexpr double DESIGN_HEIGHT = 6795;

} // namespace

MainWindowView::MainWindowView(Program& program, RasterSurface& surface, double twipsPerPixel)
    : program_(program), surface_(surface), twipsPerPixel_(twipsPerPixel) {
    setWindowTitle(QString::fromLatin1(TITLE));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    resize(designSize());

    ControlMirror::ButtonHandlers buttons;
    buttons.pressed = [this](const std::string& name) {
        program_.mouseDown(name);
        afterEvent();
    };
    buttons.released = [this](const std::string& name) {
        program_.mouseUp(name);
        afterEvent();
    };
    buttons.clicked = [this](const std::string& name) {
        program_.click(name);
        afterEvent();
    };
    mirror_ = std::make_unique<ControlMirror>(*this, program_.main().all(), twipsPerPixel_,
                                              std::move(buttons));
    mirror_->setAccessibleTexts(mainWindowText);
    setAccessibleDescription(QStringLiteral("Polar display of DF bearings, heading up. "
                                            "Every button is also worked by its key."));
    polarDisplay_ = new QLabel(this);
    polarDisplay_->setAttribute(Qt::WA_TransparentForMouseEvents);
    polarDisplay_->setAccessibleName(QStringLiteral("Polar display"));
    polarDisplay_->lower();
    describePolarDisplay();
    installEventFilter(this);
    for (QWidget* child : mirror_->widgets())
        child->installEventFilter(this);

    surface_.setHost(this);
    surface_.setRefreshHandler([this](const QRegion& changed) { update(changed); });
}

MainWindowView::~MainWindowView() {
    surface_.setHost(nullptr);
    surface_.setRefreshHandler({});
}

void MainWindowView::afterEvent() {
    mirror_->sync();
    describePolarDisplay();
    for (const auto& follower : followers_)
        follower();
    if (program_.closeRequested() && !closing_) close();
}

void MainWindowView::addFollower(std::function<void()> follower) {
    followers_.push_back(std::move(follower));
}

void MainWindowView::setOnClosed(std::function<void()> onClosed) {
    onClosed_ = std::move(onClosed);
}

// Only while a screen reader listens: the words change with every bearing.
void MainWindowView::describePolarDisplay() {
    if (!QAccessible::isActive()) return;
    const QString text = QString::fromStdString(polarReadout(program_.main()));
    if (polarDisplay_->accessibleDescription() != text)
        polarDisplay_->setAccessibleDescription(text);
}

QSize MainWindowView::outerSize() const {
    return frameGeometry().size();
}

QSize MainWindowView::designSize() const {
    return {twipsToPixels(DESIGN_WIDTH, twipsPerPixel_),
            twipsToPixels(DESIGN_HEIGHT, twipsPerPixel_)};
}

// A window manager maximizes the window and gives it back its normal size
// with the title bar on the screen; the geometry is set by hand only where
// there is none: the maximized window takes the screen's available area, the
// normal one has the design size, centred.
void MainWindowView::applyWindowState(WindowState state) {
    const bool maximized = state == WindowState::Maximized;
    setWindowState(maximized ? Qt::WindowMaximized : Qt::WindowNoState);
    if (windowManagerPresent()) return;
    const QRect available = screen()->availableGeometry();
    QRect normal(QPoint(), designSize());
    normal.moveCenter(available.center());
    setGeometry(maximized ? available : normal);
}

bool MainWindowView::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate) {
        program_.activate();
        afterEvent();
    }
    return handled;
}

// Every key event of the window or one of its controls is taken here, once,
// and goes no further.
bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QWidget::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (event->type() == QEvent::KeyPress)
        program_.keyDown(virtualKeyCode(key), modifierMask(key.modifiers()));
    else
        program_.keyUp(virtualKeyCode(key), modifierMask(key.modifiers()));
    afterEvent();
    return true;
}

// Only the parts asked for are copied: a steady cycle changes a few small
// areas far apart, and their common box would be most of the disk.
void MainWindowView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    for (const QRect& area : event->region())
        painter.drawImage(area, surface_.image(), area);
}

void MainWindowView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    surface_.resize(width(), height());
    polarDisplay_->setGeometry(rect());
    program_.resize();
    afterEvent();
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    if (closing_) return;
    closing_ = true;
    program_.shutDown();
    event->accept();
    if (onClosed_) onClosed_();
}
