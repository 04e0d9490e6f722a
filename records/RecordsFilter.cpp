#include "records/RecordsFilter.h"

#include <QCoreApplication>
#include <QLocale>

#include "records/RecordTime.h"

namespace {

QString Records(int n)
{
    return QLocale().toString(n) + (n == 1 ? QStringLiteral(" record") : QStringLiteral(" records"));
}

}  // namespace

QString RecordsFilter::words() const
{
    if (!active())
        return QCoreApplication::translate("RecordsFilter", "All sites, all dates");
    const QString sites = site.isEmpty() ? QCoreApplication::translate("RecordsFilter", "All sites")
                                         : QCoreApplication::translate("RecordsFilter", "Site: ") + site;
    const QString dates = datesOn ? QStringLiteral("%1 to %2").arg(RecordTime::DateText(from), RecordTime::DateText(to))
                                  : QCoreApplication::translate("RecordsFilter", "all dates");
    return sites + QStringLiteral("; ") + dates;
}

QString RecordsFilter::brief() const
{
    QStringList kept;
    if (!site.isEmpty())
        kept << QCoreApplication::translate("RecordsFilter", "site ") + site;
    if (datesOn)
        kept << QStringLiteral("%1 to %2").arg(RecordTime::DateText(from), RecordTime::DateText(to));
    return kept.join(QStringLiteral(", "));
}

QString RecordsCount::words() const
{
    if (reading)
        return QCoreApplication::translate("RecordsFilter", "Reading records: %1 read so far")
            .arg(QLocale().toString(all));
    QString text = filtered ? QStringLiteral("%1 of %2 shown").arg(QLocale().toString(shown), Records(all))
                            : Records(all);
    if (unreadableDates > 0) {
        const bool one = unreadableDates == 1;
        QString named = unreadableNames.join(QStringLiteral(", "));
        if (unreadableDates > unreadableNames.size())
            named += QStringLiteral(" and %1 more").arg(QLocale().toString(unreadableDates - unreadableNames.size()));
        text += QStringLiteral(" (%1 left out: %2 cannot be read, %3 %4)")
                    .arg(QLocale().toString(unreadableDates), one ? QStringLiteral("date") : QStringLiteral("dates"),
                         one ? QStringLiteral("record") : QStringLiteral("records"), named);
    }
    return text;
}
