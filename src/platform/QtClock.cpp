// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtClock.h"

#include <QLocale>

double QtClock::secondsSinceMidnight() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

std::string QtClock::timeOfDayText() const {
    return localTimeOfDayText(QTime::currentTime());
}

std::string localTimeOfDayText(const QTime& time) {
    // The locale's long time format carries the time-zone name; the display
    // shows the time of day with seconds only.
    QString format = QLocale().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t')).replace(QStringLiteral("  "), QStringLiteral(" "));
    return time.toString(format.trimmed()).toStdString();
}
