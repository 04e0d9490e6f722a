#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

// The texts a new record offers for its date and time: the locale's short date
// form, and its long time form without the time zone that Qt's long form ends in
// on most systems ("14:03:12", "2:03:12 PM", never "14:03:12 UTC").
namespace RecordTime {

// The default locale is the system's unless the program chose another.
QString DateText(const QDate& date, const QLocale& locale = QLocale());
QString TimeText(const QTime& time, const QLocale& locale = QLocale());

// The locale's long time format with its time-zone field and what only framed it removed.
QString LongTimeFormatWithoutZone(const QLocale& locale);

}  // namespace RecordTime
