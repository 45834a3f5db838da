// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtClock.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <regex>

namespace {

TEST(QtClock, TheTimeTextHasSecondsAndNoTimeZone) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const std::string us = QtClock().timeOfDayText();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::string german = QtClock().timeOfDayText();
    QLocale::setDefault(saved);
    EXPECT_TRUE(std::regex_match(us, std::regex(R"(\d{1,2}:\d{2}:\d{2} (AM|PM))"))) << us;
    EXPECT_TRUE(std::regex_match(german, std::regex(R"(\d{2}:\d{2}:\d{2})"))) << german;
}

} // namespace
