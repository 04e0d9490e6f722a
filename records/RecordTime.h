#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>
#include <optional>

// The texts a new record offers for its date and time: the locale's short date
// form, and its long time form without the time zone that Qt's long form ends in
// on most systems ("14:03:12", "2:03:12 PM", never "14:03:12 UTC").
namespace RecordTime {

// The default locale is the system's unless the program chose another.
QString DateText(const QDate& date, const QLocale& locale = QLocale());
QString TimeText(const QTime& time, const QLocale& locale = QLocale());

// The locale's long time format with its time-zone field and what only framed it removed.
QString LongTimeFormatWithoutZone(const QLocale& locale);

// What a typed date or time is stored as: the text as typed when it is in the locale's
// form (a date also with a four-digit year), the locale's form of an ISO 8601 one
// ("2025-06-01", "14:03"); nothing for any other text.
std::optional<QString> StoredDate(const QString& typed, const QLocale& locale = QLocale());
std::optional<QString> StoredTime(const QString& typed, const QLocale& locale = QLocale());
// The forms accepted, for a message: "6/1/25 or 2025-06-01", shown with today's date.
QString DateForms(const QLocale& locale = QLocale());
QString TimeForms(const QLocale& locale = QLocale());

}  // namespace RecordTime
