#include "watch/PourCheck.h"

#include <cmath>

#include "calc/NumberReading.h"
#include "ui/QtText.h"
#include <QCoreApplication>

OutlookSettings SettingsOf(const PlannedPour& pour)
{
    OutlookSettings settings;
    settings.units = Units::FromCode(Std(pour.units));
    if (!pour.threshold.trimmed().isEmpty()) {
        settings.choice = ThresholdChoice::Alternate;
        settings.alternateText = Std(pour.threshold.trimmed());
    }
    settings.concrete = {pour.concreteConstant ? ConcreteRule::Kind::Constant : ConcreteRule::Kind::AirPlusOffset,
                         pour.concreteValue};
    return settings;
}

PourCheck CheckPour(const PlannedPour& pour, const Forecast::Answer& forecast, double heightFactor)
{
    PourCheck check;
    check.pour = pour;
    check.fetched = forecast.fetched;
    const OutlookSettings settings = SettingsOf(pour);
    check.units = settings.units;
    check.threshold = Q(settings.thresholdText());
    check.plannedHours = int(std::ceil(pour.start.secsTo(pour.end) / 3600.0));
    if (check.plannedHours <= 0) {
        check.reason = QCoreApplication::translate("PourCheck", "its end is not after its start");
        return check;
    }
    const std::vector<HourlyReading> readings = ReadingsFromForecast(forecast, settings.units, heightFactor);
    int covered = 0;
    for (const HourlyReading& reading : readings) {
        if (reading.time < pour.start || reading.time >= pour.end)
            continue;
        ++covered;
        const OutlookHour hour = EvaluateHour(reading, settings);
        if (!hour.result.valid) {
            check.reason = QCoreApplication::translate("PourCheck", "the forecast hour %1 cannot be computed: %2")
                               .arg(reading.time.toString(QStringLiteral("ddd d MMM HH:mm")), hour.problem);
            return check;
        }
        const double rate = ReadNumber(hour.result.eqnCaption);
        const double threshold = ReadNumber(Std(check.threshold));
        const PourState state = HourState(rate, threshold);
        check.hoursAtRisk += state == PourState::AtRisk ? 1 : 0;
        check.hoursBorderline += state == PourState::Borderline ? 1 : 0;
        if (!check.worstHour.isValid() || rate > check.worstRate) {
            check.worstRate = rate;
            check.worstRateText = Q(hour.result.eqnCaption);
            check.worstHour = reading.time;
        }
    }
    if (covered < check.plannedHours) {
        check.reason = QCoreApplication::translate("PourCheck", "the forecast covers %1 of its %2 hours")
                           .arg(covered)
                           .arg(check.plannedHours);
        return check;
    }
    check.state = check.hoursAtRisk > 0         ? PourState::AtRisk
                  : check.hoursBorderline > 0 ? PourState::Borderline
                                              : PourState::Clear;
    return check;
}
