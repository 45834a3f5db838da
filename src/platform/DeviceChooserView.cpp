// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DeviceChooserView.h"

#include "settings/DeviceChooser.h"
#include "settings/Program.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int REFRESH_MS = 1000;

QPushButton* button(const char* caption, QWidget* parent) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setAutoDefault(false);
    b->setAccessibleName(QString::fromLatin1(caption));
    return b;
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

DeviceChooserView::DeviceChooserView(Program& program, QWidget* dialog,
                                     std::function<void()> afterEvent)
    : QWidget(dialog, Qt::Dialog), program_(program), afterEvent_(std::move(afterEvent)),
      list_(new QTreeWidget(this)), path_(new QLineEdit(this)), message_(new QLabel(this)) {
    list_->setHeaderLabels({"DEVICE", "DESCRIPTION", "SERIAL NUMBER", "USB ID", "NOW"});
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->setAccessibleName("Serial devices present");
    path_->setAccessibleName("Device path");
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::PlainText);
    message_->setAccessibleName("Why the device cannot be used");
    auto* use = button("USE", this);
    auto* cancel = button("CANCEL", this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(use);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("SERIAL DEVICES PRESENT", this));
    layout->addWidget(list_);
    layout->addWidget(new QLabel("DEVICE PATH", this));
    layout->addWidget(path_);
    layout->addWidget(message_);
    layout->addLayout(buttons);
    resize(640, 320);

    Form_OPTIONS& o = program_.options();
    connect(list_, &QTreeWidget::currentItemChanged, this, [this, &o] {
        act([this, &o] { selectDevice(o, list_->indexOfTopLevelItem(list_->currentItem())); });
    });
    connect(list_, &QTreeWidget::itemDoubleClicked, this,
            [this, &o] { act([&o] { useChosenDevice(o); }); });
    connect(path_, &QLineEdit::textEdited, this, [this, &o](const QString& typed) {
        act([&o, &typed] { typeDevicePath(o, typed.toStdString()); });
    });
    connect(path_, &QLineEdit::returnPressed, this,
            [this, &o] { act([&o] { useChosenDevice(o); }); });
    connect(use, &QPushButton::clicked, this, [this, &o] { act([&o] { useChosenDevice(o); }); });
    connect(cancel, &QPushButton::clicked, this,
            [this, &o] { act([&o] { cancelDeviceChoice(o); }); });
    refresh_.setInterval(REFRESH_MS);
    connect(&refresh_, &QTimer::timeout, this, [this, &o] { act([&o] { refreshDeviceList(o); }); });
    showRequestsSeen_ = o.chooser.showRequests;
}

void DeviceChooserView::act(const std::function<void()>& action) {
    action();
    afterEvent_();
}

void DeviceChooserView::showDevices(const std::vector<SerialDevice>& devices) {
    list_->clear();
    for (const SerialDevice& d : devices)
        list_->addTopLevelItem(
            new QTreeWidgetItem({text(d.name), text(d.description), text(d.serialNumber),
                                 text(d.usbId), d.device == d.name ? QString() : text(d.device)}));
    shown_ = devices;
}

void DeviceChooserView::sync() {
    const DeviceChooser& chooser = program_.options().chooser;
    const QSignalBlocker listQuiet(list_);
    const QSignalBlocker pathQuiet(path_);
    setWindowTitle(text(chooser.caption));
    if (chooser.devices != shown_) showDevices(chooser.devices);
    list_->setCurrentItem(list_->topLevelItem(chooser.selected));
    if (path_->text() != text(chooser.path)) path_->setText(text(chooser.path));
    message_->setText(text(chooser.message));
    if (chooser.showRequests != showRequestsSeen_) {
        showRequestsSeen_ = chooser.showRequests;
        showNormal();
        raise();
        activateWindow();
        path_->setFocus();
        path_->selectAll();
    }
    if (chooser.visible != isVisible()) setVisible(chooser.visible);
    if (chooser.visible != refresh_.isActive())
        chooser.visible ? refresh_.start() : refresh_.stop();
}

void DeviceChooserView::closeEvent(QCloseEvent* event) {
    event->ignore();
    act([this] { cancelDeviceChoice(program_.options()); });
}

void DeviceChooserView::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) return QWidget::keyPressEvent(event);
    act([this] { cancelDeviceChoice(program_.options()); });
}
