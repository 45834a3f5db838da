#include "platform/QtClock.h"

#include <QLocale>
#include <QTime>

#include <gtest/gtest.h>

#include <regex>

namespace {

struct LocaleScope {
    QLocale saved;
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(saved); }
};

TEST(QtClock, SecondsSinceMidnightFollowTheLocalTimeOfDay) {
    const QtClock clock;
    const double before = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    const double now = clock.secondsSinceMidnight();
    const double after = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    EXPECT_GE(now, 0.0);
    EXPECT_LT(now, 86400.0);
    if (after >= before) { // not across midnight
        EXPECT_GE(now, before);
        EXPECT_LE(now, after);
    }
}

TEST(QtClock, TheTimeTextHasSecondsAndNoTimeZone) {
    const QtClock clock;
    {
        const LocaleScope us(QLocale(QLocale::English, QLocale::UnitedStates));
        const std::string text = clock.timeOfDayText();
        EXPECT_TRUE(std::regex_match(text, std::regex(R"(\d{1,2}:\d{2}:\d{2} (AM|PM))"))) << text;
    }
    {
        const LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
        const std::string text = clock.timeOfDayText();
        EXPECT_TRUE(std::regex_match(text, std::regex(R"(\d{2}:\d{2}:\d{2})"))) << text;
    }
}

} // namespace
