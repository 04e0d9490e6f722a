#include "records/RecordReading.h"

#include <QLocale>

#include "calc/NumberReading.h"
#include "records/RecordTime.h"

namespace RecordReading {
namespace {

// Years written with two digits are taken as at most this many years ahead.
constexpr int TwoDigitYearsAhead = 20;

bool HasTwoDigitYear(const QString& format)
{
    return format.contains(QStringLiteral("yy")) && !format.contains(QStringLiteral("yyyy"));
}

// Qt reads "yy" as 19yy, and a four-digit field given two digits as the years 0 to 99.
QDate WithCentury(const QDate& date, bool twoDigitYear)
{
    int twoDigits = -1;
    if (twoDigitYear && date.year() >= 1900 && date.year() < 2000)
        twoDigits = date.year() - 1900;
    else if (date.year() >= 0 && date.year() < 100)
        twoDigits = date.year();
    if (twoDigits < 0)
        return date;
    const int latest = QDate::currentDate().year() + TwoDigitYearsAhead;
    int year = latest - (latest % 100) + twoDigits;
    if (year > latest)
        year -= 100;
    return QDate(year, date.month(), date.day());
}

}  // namespace

QDate Date(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QLocale locale;
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    if (const QDate date = locale.toDate(trimmed, shortFormat); date.isValid())
        return WithCentury(date, HasTwoDigitYear(shortFormat));
    if (const QDate date = QDate::fromString(trimmed, Qt::ISODate); date.isValid())
        return date;
    static const QString common[] = {QStringLiteral("M/d/yy"), QStringLiteral("M/d/yyyy"), QStringLiteral("d.M.yy"),
                                     QStringLiteral("d.M.yyyy"), QStringLiteral("dd/MM/yyyy")};
    for (const QString& format : common) {
        if (const QDate date = QDate::fromString(trimmed, format); date.isValid())
            return WithCentury(date, HasTwoDigitYear(format));
    }
    return {};
}

QTime Time(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QLocale locale;
    for (const QString& format :
         {RecordTime::LongTimeFormatWithoutZone(locale), locale.timeFormat(QLocale::ShortFormat)}) {
        if (const QTime time = locale.toTime(trimmed, format); time.isValid())
            return time;
    }
    if (const QTime time = QTime::fromString(trimmed, Qt::ISODate); time.isValid())
        return time;
    static const QString common[] = {QStringLiteral("h:mm:ss AP"), QStringLiteral("h:mm AP"),
                                     QStringLiteral("H:mm:ss"), QStringLiteral("H:mm")};
    for (const QString& format : common) {
        if (const QTime time = QTime::fromString(trimmed, format); time.isValid())
            return time;
    }
    return {};
}

std::optional<double> Number(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return value.toDouble();
    default:
        break;
    }
    const std::string text = value.toString().toStdString();
    if (!IsNumericText(text))
        return std::nullopt;
    return ReadNumber(text);
}

}  // namespace RecordReading
