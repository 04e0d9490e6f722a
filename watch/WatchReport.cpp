#include "watch/WatchReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTimeZone>

#include "ui/QtText.h"
#include "ui/UnitCaptions.h"
#include "watch/Watch.h"
#include <QCoreApplication>

namespace WatchReport {
namespace {

QString Clock(const QDateTime& time, const char* format)
{
    return QLocale::c().toString(time, QString::fromLatin1(format));
}

int AgeHours(const PourCheck& check, const QDateTime& now)
{
    return int(check.fetched.secsTo(now) / 3600);
}

}  // namespace

QString PourTitle(const PlannedPour& pour)
{
    return PlannedPours::Title(pour);
}

QString Finding(const PourCheck& check)
{
    if (!check.state)
        return QCoreApplication::translate("WatchReport", "not checked: %1").arg(check.reason);
    const QString worst = QCoreApplication::translate("WatchReport", "the worst %1 at %2")
                              .arg(check.worstRateText + u' ' + UnitCaptions::Symbol(Quantity::Rate, check.units),
                                   Clock(check.worstHour.toTimeZone(PlannedPours::ZoneOf(check.pour)), "HH:mm"));
    const QString threshold = QStringLiteral("%1 %2").arg(check.threshold, UnitCaptions::Symbol(Quantity::Rate, check.units));
    switch (*check.state) {
    case PourState::AtRisk:
        return QCoreApplication::translate("WatchReport", "at risk: %1 of %2 h above %3, %4")
            .arg(check.hoursAtRisk)
            .arg(check.plannedHours)
            .arg(threshold, worst);
    case PourState::Borderline:
        return QCoreApplication::translate("WatchReport",
                                           "borderline: %1 of %2 h within the equation's ±%3 % of %4, %5")
            .arg(check.hoursBorderline)
            .arg(check.plannedHours)
            .arg(int(EquationSpread * 100))
            .arg(threshold, worst);
    case PourState::Clear: break;
    }
    return QCoreApplication::translate("WatchReport", "clear: all %1 h at or below %2, %3")
        .arg(check.plannedHours)
        .arg(threshold, worst);
}

QString KeptNote(const PourCheck& check, const QDateTime& now)
{
    if (!check.kept)
        return {};
    return QCoreApplication::translate("WatchReport", "The forecast was kept from %1 UTC, %2 h old: %3")
        .arg(Clock(check.fetched.toUTC(), "ddd d MMM yyyy HH:mm"))
        .arg(AgeHours(check, now))
        .arg(check.reason);
}

QString Text(const std::vector<PourCheck>& checks, const QDateTime& now, int days)
{
    if (checks.empty())
        return QCoreApplication::translate("WatchReport", "No pour is planned in the coming %1 days.\n").arg(days);
    QString text;
    for (const PourCheck& check : checks) {
        text += PourTitle(check.pour) + QStringLiteral(": ") + Finding(check) + u'\n';
        if (check.kept)
            text += QStringLiteral("  ") + KeptNote(check, now) + u'\n';
    }
    return text;
}

QByteArray Json(const std::vector<PourCheck>& checks, const QDateTime& now, int days)
{
    QJsonArray pours;
    for (const PourCheck& check : checks) {
        QJsonObject pour{{QStringLiteral("id"), check.pour.id},
                         {QStringLiteral("site"), check.pour.site},
                         {QStringLiteral("latitude"), check.pour.latitude},
                         {QStringLiteral("longitude"), check.pour.longitude},
                         {QStringLiteral("timeZone"), check.pour.timeZone},
                         {QStringLiteral("start"), check.pour.start.toUTC().toString(Qt::ISODate)},
                         {QStringLiteral("end"), check.pour.end.toUTC().toString(Qt::ISODate)},
                         {QStringLiteral("summary"), Finding(check)}};
        if (check.state) {
            pour.insert(QStringLiteral("state"), Q(EntryOf(*check.state).code));
            pour.insert(QStringLiteral("hours"), check.plannedHours);
            pour.insert(QStringLiteral("hoursAtRisk"), check.hoursAtRisk);
            pour.insert(QStringLiteral("hoursBorderline"), check.hoursBorderline);
            pour.insert(QStringLiteral("worstRate"), check.worstRate);
            pour.insert(QStringLiteral("worstHour"), check.worstHour.toUTC().toString(Qt::ISODate));
            pour.insert(QStringLiteral("threshold"), QLocale::c().toDouble(check.threshold));
            pour.insert(QStringLiteral("rateUnit"), UnitCaptions::Symbol(Quantity::Rate, check.units));
            pour.insert(QStringLiteral("forecastFetched"), check.fetched.toUTC().toString(Qt::ISODate));
            pour.insert(QStringLiteral("forecastKept"), check.kept);
            if (check.kept)
                pour.insert(QStringLiteral("forecastAgeHours"), AgeHours(check, now));
        } else {
            pour.insert(QStringLiteral("state"), QStringLiteral("not-checked"));
        }
        if (!check.reason.isEmpty())
            pour.insert(QStringLiteral("reason"), check.reason);
        pours.append(pour);
    }
    const QJsonObject report{{QStringLiteral("checked"), now.toUTC().toString(Qt::ISODate)},
                             {QStringLiteral("days"), days},
                             {QStringLiteral("status"), Watch::Status(checks)},
                             {QStringLiteral("pours"), pours}};
    return QJsonDocument(report).toJson(QJsonDocument::Indented);
}

}  // namespace WatchReport
