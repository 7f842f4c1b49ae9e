// The calculation time text and the time format it uses.
#include <gtest/gtest.h>

#include "ui/platform/Locale.h"

namespace {

struct TimeCase {
    const char* locale;
    QDateTime when;
    const char* expected;
};

class CalcTimeTextTest : public ::testing::TestWithParam<TimeCase> {};

TEST_P(CalcTimeTextTest, ShortDateLongTimeNoZone) {
    const TimeCase& c = GetParam();
    EXPECT_EQ(QString::fromStdU16String(rokal::CalcTimeText(c.when, QLocale(c.locale))),
              QString::fromUtf8(c.expected));
}

const QDate kDate(2024, 3, 7);

INSTANTIATE_TEST_SUITE_P(
    Locales, CalcTimeTextTest,
    ::testing::Values(TimeCase{"zh_CN", QDateTime(kDate, QTime(14, 5, 9)), "2024/3/7 14:05:09"},
                      TimeCase{"en_US", QDateTime(kDate, QTime(14, 5, 9)), "3/7/24 2:05:09 PM"},
                      TimeCase{"de_DE", QDateTime(kDate, QTime(9, 5, 9)), "07.03.24 09:05:09"},
                      TimeCase{"zh_CN", QDateTime(kDate, QTime(0, 0)), "2024/3/7"},
                      TimeCase{"zh_CN", QDateTime(kDate, QTime(0, 0, 1)), "2024/3/7 00:00:01"},
                      TimeCase{"de_DE", QDateTime(kDate, QTime(0, 0)), "07.03.24"}));

TEST(TimeFormatTest, DropsOnlyTheZoneFieldOutsideQuotes) {
    for (const char* name : {"C", "en_US", "zh_CN", "de_DE", "fr_FR", "ja_JP", "ko_KR"}) {
        const QString format = rokal::TimeFormatWithoutZone(QLocale(name));
        EXPECT_FALSE(format.isEmpty()) << name;
        EXPECT_EQ(format, format.trimmed()) << name;
        bool quoted = false;
        for (QChar c : format) {
            quoted ^= c == u'\'';
            EXPECT_FALSE(!quoted && c == u't') << name << ": " << format.toStdString();
        }
    }
}

}  // namespace
