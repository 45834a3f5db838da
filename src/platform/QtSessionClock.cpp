// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtSessionClock.h"

#include <QDateTime>

std::string QtSessionClock::localDateTime() const {
    return QDateTime::currentDateTime()
        .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"))
        .toStdString();
}
