#include <gtest/gtest.h>

#include "outlook/sources/DateTimeScanner.h"

namespace {

TEST(DateTimeScanner, DatesAndTimesAreReadInEveryAcceptedForm)
{
    const struct {
        const char* text;
        const char* time;  // empty: not a date and time
    } cases[] = {
        {"2024-06-01T06:05", "2024-06-01 06:05:00"},        {"2024-06-01 06:05:30", "2024-06-01 06:05:30"},
        {"2024-06-01T06:05:30.250Z", "2024-06-01 06:05:30"}, {"2024-06-01T06:05+02:00", "2024-06-01 06:05:00"},
        {"2024/06/01 18:05", "2024-06-01 18:05:00"},         {"6/1/2024 12:05 AM", "2024-06-01 00:05:00"},
        {"6/1/2024 12:05 pm", "2024-06-01 12:05:00"},        {"6/1/2024 18:05", "2024-06-01 18:05:00"},
        {"1.6.2024 6:05", "2024-06-01 06:05:00"},            {"2024-06-01", "2024-06-01 00:00:00"},
        {"13/1/2024 6:00", ""},                              {"2024-02-30 06:00", ""},
        {"2024-06-01T06:05:00-0500", "2024-06-01 06:05:00"}, {"2024-06-01T06:05+2", ""},
        {"6/1/2024 13:00 PM", ""},                           {"06:00", ""},
        {"2026-07-14 08:00:10 AM", "2026-07-14 08:00:10"},   {"2026-07-14 12:40:00 PM", "2026-07-14 12:40:00"},
        {"2024-06-01 6", ""},                                {"2024-06-01 06:00 tomorrow", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const CsvImport::WallClock read = CsvImport::ReadDateTime(QString::fromUtf8(c.text));
        const QString shown = read.date.toString(Qt::ISODate) + u' ' + read.time.toString();
        EXPECT_EQ(read.isValid() ? shown.toStdString() : "", c.time);
    }
}

}  // namespace
