#include "pour/PourReport.h"

#include <QLocale>
#include <algorithm>

#include "calc/Measures.h"
#include "calc/NumberReading.h"
#include "calc/NumberWriting.h"
#include "calc/PourWindow.h"
#include "calc/RateBand.h"
#include "calc/Single.h"
#include "outlook/OutlookTable.h"
#include "records/RecordReading.h"
#include "records/RecordSource.h"
#include "records/RecordsSchema.h"
#include "ui/QtText.h"
#include "ui/UnitCaptions.h"

namespace {

// Readings typed, logged by a meter or read from a file of readings were measured at the site.
QString ProvenanceOf(std::optional<RecordSource> source)
{
    if (!source)
        return QStringLiteral("not recorded");
    return *source == RecordSource::Forecast ? QStringLiteral("forecast") : QStringLiteral("measured");
}

QString WithAssumptions(QString provenance, const QString& concreteRule, const QString& windFactor)
{
    QStringList assumed;
    if (!concreteRule.isEmpty())
        assumed << QStringLiteral("concrete %1").arg(concreteRule);
    if (!windFactor.isEmpty() && windFactor != QStringLiteral("1"))
        assumed << QStringLiteral("wind 10 m × %1").arg(windFactor);
    if (!assumed.isEmpty())
        provenance += QStringLiteral("; assumed: ") + assumed.join(QStringLiteral(", "));
    return provenance;
}

Precaution PrecautionOf(double rate, UnitSystem units, double threshold)
{
    if (rate > threshold)
        return Precaution::Shall;
    return rate >= ThresholdsOf(units).may ? Precaution::May : Precaution::Ok;
}

QString Field(const QSqlRecord& record, const QString& name)
{
    const int index = record.indexOf(name);
    return index < 0 || record.isNull(index) ? QString() : record.value(index).toString();
}

}  // namespace

QString PourReport::title() const
{
    if (!pour.trimmed().isEmpty())
        return pour.trimmed();
    return site.trimmed().isEmpty() ? QStringLiteral("Pour report") : site.trimmed();
}

bool PourReport::borderline(const PourHour& hour) const
{
    return hour.rate && IsBorderline(*hour.rate, threshold);
}

std::vector<PourMeasure> MeasureList()
{
    std::vector<PourMeasure> list;
    for (const std::string_view measure : Measures::For(Precaution::Shall).measures)
        list.push_back({.text = QString::fromUtf8(measure.data(), qsizetype(measure.size()))});
    return list;
}

QString HourTimeText(const PourHour& hour)
{
    return OutlookTable::TimeText(hour.time);
}

QString RateText(std::optional<double> rate)
{
    return rate ? Q(NumberFormat::Rate(*rate)) : QString();
}

QString BandText(std::optional<double> rate)
{
    if (!rate)
        return {};
    const RateBand band = BandAround(*rate);
    return Q(NumberFormat::Rate(band.low)) + QStringLiteral("–") + Q(NumberFormat::Rate(band.high));
}

QString ClassText(const PourReport& report, const PourHour& hour)
{
    if (!hour.rate)
        return hour.message;
    QString text = hour.message;
    if (report.borderline(hour))
        text += QStringLiteral(" Borderline.");
    return text;
}

QString DescribeSafeWindow(const std::vector<PourHour>& hours)
{
    std::vector<PourWindow::Verdict> verdicts;
    for (const PourHour& hour : hours)
        verdicts.push_back({.minute = hour.time.toSecsSinceEpoch() / 60,
                            .safe = hour.time.isValid() && hour.rate && hour.precaution != Precaution::Shall});
    const PourWindow::Found found = PourWindow::Find(verdicts, 1);
    if (std::none_of(hours.begin(), hours.end(), [](const PourHour& hour) { return hour.rate.has_value(); }))
        return QStringLiteral("No hour has a rate.");
    if (!found.longest)
        return QStringLiteral("No safe hour: measures shall be taken in every hour.");
    const PourHour& first = hours[found.longest->first];
    const PourHour& last = hours[found.longest->first + found.longest->count - 1];
    return QStringLiteral("Longest safe window: %1 to %2, %3 h.")
        .arg(HourTimeText(first), HourTimeText(last).right(5))
        .arg(found.longest->count);
}

QString CanonicalText(const PourReport& report)
{
    QStringList lines{
        QStringLiteral("Pour report"),
        QStringLiteral("Site: ") + report.site,
        QStringLiteral("Pour or element: ") + report.pour,
        QStringLiteral("Date: ") + report.date.toString(Qt::ISODate),
        QStringLiteral("Prepared by: ") + report.preparedBy,
        QStringLiteral("Units: ") + Q(std::string(SystemOf(report.units).code)),
        QStringLiteral("Mix: ") + Q(std::string(PresetOf(report.mix).name)),
        QStringLiteral("Threshold: %1 %2")
            .arg(report.thresholdText, UnitCaptions::Symbol(Quantity::Rate, report.units)),
        QStringLiteral("Safe window: ") + report.safeWindow,
        QStringLiteral("Hours: %1").arg(report.hours.size()),
    };
    if (!report.sun.isEmpty())
        lines.insert(lines.size() - 1, QStringLiteral("Sun on the slab: ") + report.sun);
    for (const PourHour& hour : report.hours) {
        lines << QStringList{HourTimeText(hour), hour.air, hour.humidity, hour.wind, hour.concrete, RateText(hour.rate),
                             BandText(hour.rate), ClassText(report, hour), hour.provenance}
                     .join(u'\t');
    }
    for (const PourMeasure& measure : report.measures) {
        if (measure.planned || measure.taken)
            lines << QStringLiteral("Measure (%1): %2")
                         .arg(measure.planned && measure.taken ? QStringLiteral("planned, taken")
                              : measure.planned                ? QStringLiteral("planned")
                                                               : QStringLiteral("taken"),
                              measure.text);
    }
    lines << QStringLiteral("Other measures: ") + report.otherMeasures << QStringLiteral("Remarks: ") + report.remarks;
    return lines.join(u'\n') + u'\n';
}

PourReport ReportFromCalculation(const Calculation& calculation, const QDateTime& now)
{
    PourReport report{.date = now.date(),
                      .units = calculation.request.units,
                      .mix = calculation.request.mix,
                      .threshold = calculation.threshold,
                      .thresholdText = Q(calculation.request.thresholdText()),
                      .measures = MeasureList()};
    if (calculation.valid) {
        const Readings& readings = calculation.request.readings;
        report.hours.push_back({.time = QDateTime(now.date(), QTime(now.time().hour(), 0)),
                                .air = Q(readings.air),
                                .humidity = Q(readings.humidity),
                                .wind = Q(readings.wind),
                                .concrete = Q(readings.concrete),
                                .provenance = QStringLiteral("measured"),
                                .rate = ReadNumber(calculation.eqnCaption),
                                .message = Q(calculation.answer),
                                .precaution = calculation.precaution});
    }
    report.safeWindow = DescribeSafeWindow(report.hours);
    return report;
}

PourReport ReportFromOutlook(const std::vector<OutlookHour>& hours, const OutlookSettings& settings,
                             const QString& windows)
{
    const CalculationRequest request = settings.Request({});
    PourReport report{.units = settings.units,
                      .thresholdText = Q(request.thresholdText()),
                      .safeWindow = windows,
                      .sun = SunWords(settings.sun),
                      .measures = MeasureList()};
    // Read as the calculation reads the threshold in force.
    report.threshold = ToSingle(ReadNumber(request.thresholdText()));
    for (const OutlookHour& hour : hours) {
        if (!report.date.isValid() && hour.reading.time.isValid())
            report.date = hour.reading.time.date();
        const bool computed = hour.result.valid;
        report.hours.push_back(
            {.time = hour.reading.time,
             .air = Q(hour.used.air),
             .humidity = Q(hour.used.humidity),
             .wind = Q(hour.used.wind),
             .concrete = Q(hour.used.concrete),
             .provenance = WithAssumptions(ProvenanceOf(hour.reading.source),
                                           hour.concreteAssumed ? settings.concrete.Words(settings.units) : QString(),
                                           hour.reading.windFactor
                                               ? Q(NumberFormat::General(float(*hour.reading.windFactor)))
                                               : QString()),
             .rate = computed ? std::optional<double>(ReadNumber(hour.result.eqnCaption)) : std::nullopt,
             .message = computed ? Q(hour.result.answer) : hour.problem,
             .precaution = hour.result.precaution});
    }
    return report;
}

PourReport ReportFromRecords(const QList<QSqlRecord>& records, UnitSystem units)
{
    PourReport report{.units = units, .measures = MeasureList()};
    const auto converted = [&](const QSqlRecord& record, Input input, const QString& column) {
        const UnitSystem from = Field(record, QStringLiteral("Units")) == QStringLiteral("SI") ? UnitSystem::SI
                                                                                               : UnitSystem::US;
        return Q(ConvertReadingText(input, Field(record, column).toStdString(), from, units));
    };
    bool thresholdRead = false;
    for (const QSqlRecord& record : records) {
        const UnitSystem from = Field(record, QStringLiteral("Units")) == QStringLiteral("SI") ? UnitSystem::SI
                                                                                               : UnitSystem::US;
        if (!thresholdRead) {
            const QString threshold = Field(record, QStringLiteral("RateThreshold"));
            report.thresholdText = threshold.isEmpty() ? Q(std::string(ThresholdsOf(units).shallText))
                                                       : Q(ConvertRateText(threshold.toStdString(), from, units));
            report.threshold = RecordReading::Number(report.thresholdText).value_or(ThresholdsOf(units).shall);
            report.mix = PresetCoded(Field(record, QStringLiteral("Mix")).toStdString()).value_or(MixPreset::Standard);
            report.site = Field(record, RecordsSchema::SiteColumn);
            thresholdRead = true;
        }
        const QDate date = RecordReading::Date(Field(record, QStringLiteral("RecordDate")));
        const QTime time = RecordReading::Time(Field(record, QStringLiteral("RecordTime")));
        if (!report.date.isValid())
            report.date = date;
        std::optional<double> rate = RecordReading::Number(Field(record, QStringLiteral("EvapRate")));
        if (rate && from != units)
            rate = RecordReading::Number(Q(ConvertRateText(Field(record, QStringLiteral("EvapRate")).toStdString(),
                                                            from, units)));
        report.hours.push_back(
            {.time = date.isValid() ? QDateTime(date, time.isValid() ? time : QTime(0, 0), Qt::UTC) : QDateTime(),
             .air = converted(record, Input::AirTemp, QStringLiteral("AirTemp")),
             .humidity = Field(record, QStringLiteral("RH")),
             .wind = converted(record, Input::WindVelocity, QStringLiteral("WindVelocity")),
             .concrete = converted(record, Input::ConcreteTemp, QStringLiteral("ConcreteTemp")),
             .provenance =
                 WithAssumptions(ProvenanceOf(RecordSources::FromText(Field(record, RecordsSchema::SourceColumn))),
                                 Field(record, QStringLiteral("ConcreteRule")),
                                 Field(record, QStringLiteral("WindFactor"))),
             .rate = rate,
             .message = Field(record, QStringLiteral("RateNote")),
             .precaution = rate ? PrecautionOf(*rate, units, report.threshold) : Precaution::Ok});
    }
    std::sort(report.hours.begin(), report.hours.end(),
              [](const PourHour& a, const PourHour& b) { return a.time < b.time; });
    report.safeWindow = DescribeSafeWindow(report.hours);
    return report;
}
