#include <gtest/gtest.h>

#include "records/RecordTime.h"

namespace {

// Qt's long time form ends in a zone ("14:03:12 UTC") on most systems; records never show one.
TEST(RecordTime, LongTimeFormWithoutTheZone)
{
    const struct {
        const char* locale;
        QTime time;
        const char* text;
    } cases[] = {
        {"en_US", QTime(14, 3, 12), "2:03:12 PM"}, {"en_US", QTime(9, 5, 7), "9:05:07 AM"},
        {"en_GB", QTime(14, 3, 12), "14:03:12"},   {"en_GB", QTime(0, 0, 0), "00:00:00"},
        {"de_DE", QTime(14, 3, 12), "14:03:12"},   {"de_DE", QTime(9, 5, 7), "09:05:07"},
        {"zh_CN", QTime(14, 3, 12), "14:03:12"},   // the zone stands first
        {"bg_BG", QTime(14, 3, 12), "14:03:12 ч."},  // a quoted literal stays
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        EXPECT_EQ(RecordTime::TimeText(c.time, QLocale(QString::fromLatin1(c.locale))), QString::fromUtf8(c.text));
    }
}

TEST(RecordTime, ShortDateForm)
{
    const QDate date(2024, 1, 2);
    EXPECT_EQ(RecordTime::DateText(date, QLocale(QStringLiteral("en_US"))), "1/2/24");
    EXPECT_EQ(RecordTime::DateText(date, QLocale(QStringLiteral("en_GB"))), "02/01/2024");
    EXPECT_EQ(RecordTime::DateText(date, QLocale(QStringLiteral("de_DE"))), "02.01.24");
}

}  // namespace
