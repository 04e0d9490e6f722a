#include "records/RecordTime.h"

#include <QRegularExpression>

namespace RecordTime {

QString DateText(const QDate& date, const QLocale& locale)
{
    return locale.toString(date, QLocale::ShortFormat);
}

QString TimeText(const QTime& time, const QLocale& locale)
{
    return locale.toString(time, LongTimeFormatWithoutZone(locale));
}

QString LongTimeFormatWithoutZone(const QLocale& locale)
{
    // The zone is a run of 't' outside quoted text, with the blank before it and any
    // brackets around it ("h:mm:ss AP t", "H:mm:ss (t)", "t HH:mm:ss").
    static const QRegularExpression zone(QStringLiteral("\\s*[(\\[]?t+[)\\]]?"));
    const QStringList parts = locale.timeFormat(QLocale::LongFormat).split(u'\'');
    QString format;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0)
            format += u'\'';
        // Even parts stand outside quotes, odd parts inside.
        format += i % 2 == 0 ? QString(parts[i]).remove(zone) : parts[i];
    }
    return format.trimmed();
}

namespace {

// The example the messages show: an afternoon time, so that a 12-hour form shows its suffix.
const QTime ExampleTime(14, 3, 12);

}  // namespace

std::optional<QString> StoredDate(const QString& typed, const QLocale& locale)
{
    const QString text = typed.trimmed();
    const QString form = locale.dateFormat(QLocale::ShortFormat);
    QString fullYear = form;
    if (!form.contains(QStringLiteral("yyyy")))
        fullYear.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    for (const QString& format : {form, fullYear}) {
        if (locale.toDate(text, format).isValid())
            return text;
    }
    if (const QDate date = QDate::fromString(text, Qt::ISODate); date.isValid())
        return DateText(date, locale);
    return std::nullopt;
}

std::optional<QString> StoredTime(const QString& typed, const QLocale& locale)
{
    const QString text = typed.trimmed();
    if (locale.toTime(text, LongTimeFormatWithoutZone(locale)).isValid())
        return text;
    if (const QTime time = QTime::fromString(text, Qt::ISODate); time.isValid())
        return TimeText(time, locale);
    return std::nullopt;
}

QString DateForms(const QLocale& locale)
{
    const QDate today = QDate::currentDate();
    return QStringLiteral("%1 or %2").arg(DateText(today, locale), today.toString(Qt::ISODate));
}

QString TimeForms(const QLocale& locale)
{
    return QStringLiteral("%1 or %2").arg(TimeText(ExampleTime, locale), ExampleTime.toString(QStringLiteral("HH:mm")));
}

}  // namespace RecordTime
