#include "outlook/OutlookHours.h"

#include <algorithm>

#include <QLocale>

#include "calc/NumberReading.h"
#include "calc/NumberWriting.h"
#include "ui/QtText.h"

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

std::int64_t MinuteOf(const QDateTime& time)
{
    return time.date().toJulianDay() * 24 * 60 + time.time().hour() * 60 + time.time().minute();
}

QString HourText(const QDateTime& time)
{
    return QLocale::c().toString(time, QStringLiteral("ddd d MMM HH:mm"));
}

QString RunText(const std::vector<OutlookHour>& hours, const PourWindow::Run& run)
{
    const QDateTime start = hours[run.first].reading.time;
    const QDateTime end = hours[run.first + run.count - 1].reading.time.addSecs(3600);
    const QString endText = end.date() == start.date() ? end.toString(QStringLiteral("HH:mm")) : HourText(end);
    return QStringLiteral("%1 to %2, %3 h").arg(HourText(start), endText).arg(run.count);
}

}  // namespace

// The result is made in its place: a Calculation is large, and the outlook makes one an hour.
OutlookHour EvaluateHour(const HourlyReading& reading, const OutlookSettings& settings)
{
    Readings used = reading.readings;
    used.concrete = ConcreteFor(reading.readings, settings);
    QString problem = reading.problem;
    if (problem.isEmpty() && !reading.time.isValid())
        problem = QStringLiteral("No time.");
    const bool computable = problem.isEmpty();
    OutlookHour hour{.reading = reading,
                     .used = used,
                     .result = computable ? Calculate(settings.Request(std::move(used))) : Calculation{},
                     .problem = std::move(problem)};
    if (computable && !hour.result.valid)
        hour.problem = Q(WhyInvalid(hour.used, settings.units));
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
        verdicts.push_back({MinuteOf(hour.reading.time), counted && hour.safe()});
    }
    return PourWindow::Find(verdicts, minimumHours);
}

QString DescribeWindows(const std::vector<OutlookHour>& hours, const PourWindow::Found& found, int minimumHours,
                        const QDateTime& notBefore)
{
    if (!found.longest) {
        const bool anyAhead = std::any_of(hours.begin(), hours.end(), [&](const OutlookHour& hour) {
            return hour.reading.time.isValid() && hour.reading.time.addSecs(3600) > notBefore;
        });
        if (notBefore.isValid() && !anyAhead)
            return QStringLiteral("Every hour of this forecast has passed: fetch a new one to find a window.");
        return notBefore.isValid()
                   ? QStringLiteral("No hour without measures ahead: every hour still to come is above the threshold "
                                    "in force or cannot be computed.")
                   : QStringLiteral("No hour without measures: every hour is above the threshold in force or cannot "
                                    "be computed.");
    }
    QString text = QStringLiteral("Longest safe window: %1.").arg(RunText(hours, *found.longest));
    if (found.next)
        text += QStringLiteral(" Next window of at least %1 h: %2.").arg(minimumHours).arg(RunText(hours, *found.next));
    else
        text += QStringLiteral(" No window of at least %1 h.").arg(minimumHours);
    return text;
}

std::vector<HourlyReading> ReadingsFromForecast(const Forecast::Answer& answer, UnitSystem units, double heightFactor)
{
    std::vector<HourlyReading> readings;
    readings.reserve(answer.hours.size());
    for (const Forecast::Hour& hour : answer.hours) {
        HourlyReading reading;
        reading.time = hour.time;
        const UnitSystemTable& shown = SystemOf(units);
        reading.readings.air =
            NumberFormat::ScenarioValue(Units::Convert(hour.temperatureC, Units::Celsius, *shown.temperature));
        reading.readings.humidity = NumberFormat::ScenarioValue(hour.humidity);
        reading.readings.wind =
            NumberFormat::ScenarioValue(Units::Convert(hour.windKmh10m * heightFactor, Units::Kmh, *shown.wind));
        readings.push_back(std::move(reading));
    }
    return readings;
}
