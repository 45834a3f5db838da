// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowCall.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

#include <utility>

namespace {

constexpr int ANSWER_MS = 10000; // a busy machine may take its time
const QByteArray CALL = "front\n";
const QByteArray ANSWER = "ok\n";

QString socketPath(const std::string& folder) {
    const QByteArray name = QDir(QString::fromStdString(folder)).canonicalPath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(name, QCryptographicHash::Sha256).toHex();
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + "/vectrin-" +
           QString::fromLatin1(hash.left(16)) + ".socket";
}

} // namespace

WindowCall::WindowCall(const std::string& folder, std::function<void()> onCall)
    : onCall_(std::move(onCall)) {
    const QString path = socketPath(folder);
    QLocalServer::removeServer(path); // left by a program that was killed
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(path);
    QObject::connect(&server_, &QLocalServer::newConnection, [this] {
        while (QLocalSocket* caller = server_.nextPendingConnection()) {
            QObject::connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            QObject::connect(caller, &QLocalSocket::readyRead, caller, [this, caller] {
                if (!caller->readAll().contains(CALL)) return;
                caller->write(ANSWER);
                caller->disconnectFromServer();
                if (onCall_) onCall_();
            });
        }
    });
}

bool WindowCall::call(const std::string& folder) {
    QLocalSocket socket;
    socket.connectToServer(socketPath(folder));
    if (!socket.waitForConnected(ANSWER_MS)) return false;
    socket.write(CALL);
    return socket.waitForBytesWritten(ANSWER_MS) && socket.waitForReadyRead(ANSWER_MS) &&
           socket.readAll() == ANSWER;
}
