#include "outlook/OutlookHours.h"

#include <algorithm>

#include <QLocale>

#include "calc/ConcreteAtMost.h"
#include "calc/NumberReading.h"
#include "calc/RateBand.h"
#include "calc/NumberWriting.h"
#include "outlook/SiteTime.h"
#include "ui/QtText.h"
#include "ui/UnitCaptions.h"
#include <QCoreApplication>

namespace {

std::string ConcreteFor(const Readings& read, const OutlookSettings& settings)
{
    if (!read.concrete.empty() && !Q(read.concrete).trimmed().isEmpty())
        return read.concrete;
    if (settings.concrete.kind == ConcreteRule::Kind::Constant)
        return NumberFormat::ScenarioValue(settings.concrete.value);
    if (!IsNumericText(read.air))
        return {};
    return NumberFormat::ScenarioValue(ReadNumber(read.air) + settings.concrete.value);
}

// By the instant, not the clock: an hour the clocks repeat in autumn is an hour of its
// own, and the hour they skip in spring is no gap. A file's wall clock, held as UTC, counts
// as written.
std::int64_t MinuteOf(const QDateTime& time)
{
    return time.toSecsSinceEpoch() / 60;
}

// "Tue 8 Dec 06:00 to 13:00 CET, 7 h": the zone is named where it is not the computer's,
// at the start too when the clocks change within the run.
QString RunText(const std::vector<OutlookHour>& hours, const PourWindow::Run& run)
{
    const QDateTime start = hours[run.first].reading.time;
    const QDateTime end = hours[run.first + run.count - 1].reading.time.addSecs(3600);
    const QString startZone = SiteTime::ZoneLabel(start);
    const QString endZone = SiteTime::ZoneLabel(end);
    const QString day = QStringLiteral("ddd d MMM ");
    const QString startText = QLocale::c().toString(start, day + QStringLiteral("HH:mm")) +
                              (startZone == endZone ? QString() : startZone);
    const QString endText = QLocale::c().toString(end, (end.date() == start.date() ? QString() : day) +
                                                           QStringLiteral("HH:mm")) + endZone;
    QString text = QStringLiteral("%1 to %2, %3 h").arg(startText, endText).arg(run.count);
    const auto borderline = std::count_if(hours.begin() + std::ptrdiff_t(run.first),
                                          hours.begin() + std::ptrdiff_t(run.first + run.count),
                                          [](const OutlookHour& hour) { return hour.borderline; });
    if (borderline > 0)
        text += borderline == 1 ? QCoreApplication::translate("OutlookHours", ", 1 borderline hour")
                                : QCoreApplication::translate("OutlookHours", ", %1 borderline hours").arg(borderline);
    return text;
}

// Not above the threshold in force, and for "OK" only also at or below the lower fixed
// rate, which an alternate threshold's messages never name.
bool IsSafe(const Calculation& result, SafeCriterion criterion)
{
    if (!result.valid || result.precaution == Precaution::Shall)
        return false;
    if (criterion == SafeCriterion::BelowThreshold)
        return true;
    const UnitSystem units = result.request.units;
    return ClassifyRate(result.eqnCaption, ThresholdChoice::Default, {}, ThresholdsOf(units)).precaution
           == Precaution::Ok;
}

}  // namespace

QString SunWords(SunOnSlab sun)
{
    switch (sun) {
    case SunOnSlab::Sunny: return QStringLiteral("sunny");
    case SunOnSlab::Shaded: return QStringLiteral("shaded");
    case SunOnSlab::Unknown: break;
    }
    return QStringLiteral("unknown");
}

QString ConcreteRule::Words(UnitSystem units) const
{
    const QString unit = UnitCaptions::Symbol(Quantity::Temperature, units);
    const QString amount = QString::number(std::abs(value), 'f', 1) + u' ' + unit;
    if (kind == Kind::Constant)
        return (value < 0 ? QStringLiteral("-") : QString()) + amount;
    return (value < 0 ? QStringLiteral("air - ") : QStringLiteral("air + ")) + amount;
}

OutlookHour EvaluateHour(const HourlyReading& reading, const OutlookSettings& settings)
{
    OutlookHour hour;
    hour.reading = reading;
    hour.used = reading.readings;
    hour.used.concrete = ConcreteFor(reading.readings, settings);
    hour.concreteAssumed = Q(reading.readings.concrete).trimmed().isEmpty();
    hour.problem = reading.problem;
    if (hour.problem.isEmpty() && !reading.time.isValid())
        hour.problem = QCoreApplication::translate("OutlookHours", "No time.");
    if (!hour.problem.isEmpty())
        return hour;
    const CalculationRequest request = settings.Request(hour.used);
    hour.result = Calculate(request);
    if (!hour.result.valid) {
        hour.problem = Q(WhyInvalid(request.readings, settings.units));
        return hour;
    }
    hour.safe = IsSafe(hour.result, settings.safeHours);
    // The rate as the table shows it, as the message is chosen by.
    hour.borderline = IsBorderline(ReadNumber(hour.result.eqnCaption), hour.result.threshold);
    if (hour.above())
        hour.concreteAtMost = ConcreteAtMost(hour.result);
    return hour;
}

std::vector<OutlookHour> Evaluate(const std::vector<HourlyReading>& readings, const OutlookSettings& settings)
{
    std::vector<OutlookHour> hours;
    hours.reserve(readings.size());
    for (const HourlyReading& reading : readings)
        hours.push_back(EvaluateHour(reading, settings));
    return hours;
}

PourWindow::Found FindWindows(const std::vector<OutlookHour>& hours, int minimumHours, const QDateTime& notBefore)
{
    std::vector<PourWindow::Verdict> verdicts;
    verdicts.reserve(hours.size());
    for (const OutlookHour& hour : hours) {
        const bool counted = hour.reading.time.isValid()
                             && (!notBefore.isValid() || hour.reading.time.addSecs(3600) > notBefore);
        verdicts.push_back({MinuteOf(hour.reading.time), counted && hour.safe});
    }
    return PourWindow::Find(verdicts, minimumHours);
}

QString DescribeWindows(const std::vector<OutlookHour>& hours, const PourWindow::Found& found, int minimumHours,
                        const QDateTime& notBefore, SafeCriterion criterion)
{
    if (!found.longest) {
        const bool anyAhead = std::any_of(hours.begin(), hours.end(), [&](const OutlookHour& hour) {
            return hour.reading.time.isValid() && hour.reading.time.addSecs(3600) > notBefore;
        });
        if (notBefore.isValid() && !anyAhead)
            return QCoreApplication::translate(
                "OutlookHours", "Every hour of this forecast has passed: fetch a new one to find a window.");
        const QString why = criterion == SafeCriterion::OkOnly
                                ? QCoreApplication::translate("OutlookHours", "is not OK")
                                : QCoreApplication::translate("OutlookHours", "is above the threshold in force");
        return notBefore.isValid()
                   ? QCoreApplication::translate(
                         "OutlookHours",
                         "No hour without measures ahead: every hour still to come %1 or cannot be "
                         "computed.")
                         .arg(why)
                   : QCoreApplication::translate("OutlookHours",
                                                 "No hour without measures: every hour %1 or cannot be computed.")
                         .arg(why);
    }
    QString text
        = QCoreApplication::translate("OutlookHours", "Longest safe window: %1.").arg(RunText(hours, *found.longest));
    if (found.next)
        text += QCoreApplication::translate("OutlookHours", " Next window of at least %1 h: %2.")
                    .arg(minimumHours)
                    .arg(RunText(hours, *found.next));
    else
        text += QCoreApplication::translate("OutlookHours", " No window of at least %1 h.").arg(minimumHours);
    return text;
}

std::vector<HourlyReading> ReadingsFromForecast(const Forecast::Answer& answer, UnitSystem units, double heightFactor)
{
    const UnitSystemTable& shown = SystemOf(units);
    std::vector<HourlyReading> readings;
    readings.reserve(answer.hours.size());
    for (const Forecast::Hour& hour : answer.hours) {
        HourlyReading reading;
        reading.time = hour.time;
        QStringList missing;
        const auto write = [&](Input input, const std::optional<double>& value, const Units::Unit& unit) {
            if (value)
                reading.readings[input] = NumberFormat::ScenarioValue(Units::Convert(*value, unit, shown.unit(input)));
            else
                missing << Q(ReadingNames[input].inSentence);
        };
        write(Input::AirTemp, hour.temperatureC, Units::Celsius);
        write(Input::RelativeHumidity, hour.humidity, Units::Percent);
        write(Input::WindVelocity, hour.windKmh10m ? std::optional(*hour.windKmh10m * heightFactor) : std::nullopt,
              Units::Kmh);
        // Marked as an unreadable cell of a file is, the forecast's hour standing for its line.
        if (!missing.isEmpty()) {
            const QString last = missing.takeLast();
            reading.problem
                = QCoreApplication::translate("OutlookHours", "Forecast hour %1: no forecast value of %2.")
                      .arg(readings.size() + 1)
                      .arg(missing.isEmpty() ? last
                                             : missing.join(QStringLiteral(", "))
                                                   + QCoreApplication::translate("OutlookHours", " or ") + last);
        }
        reading.source = RecordSource::Forecast;
        reading.windFactor = heightFactor;
        readings.push_back(std::move(reading));
    }
    return readings;
}
