#include "outlook/SiteTime.h"

namespace SiteTime {

QString ZoneLabel(const QDateTime& time)
{
    if (!time.isValid() || time.timeSpec() == Qt::LocalTime || time.timeSpec() == Qt::UTC)
        return {};
    if (time.timeSpec() == Qt::TimeZone) {
        const QTimeZone zone = time.timeZone();
        if (zone == QTimeZone::utc() || zone.id() == QTimeZone::systemTimeZoneId())
            return {};
    }
    return QLatin1Char(' ') + time.timeZoneAbbreviation();
}

QDateTime PresentHour(const QTimeZone& zone, const QDateTime& now)
{
    const QDateTime there = now.toTimeZone(zone);
    const QTime clock = there.time();
    return there.addMSecs(-((clock.minute() * 60 + clock.second()) * 1000 + clock.msec()));
}

}  // namespace SiteTime
