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

}  // namespace RecordTime
