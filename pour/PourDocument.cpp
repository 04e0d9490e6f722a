#include "pour/PourDocument.h"

#include "calc/RateBand.h"
#include "pour/PourChart.h"
#include "pour/PourReport.h"
#include "records/SavedReport.h"
#include "ui/QtText.h"
#include "ui/UnitCaptions.h"

namespace {

QString WithUnit(const QString& name, Quantity quantity, UnitSystem units)
{
    return QStringLiteral("%1 (%2)").arg(name, UnitCaptions::Symbol(quantity, units));
}

output::PagedTable HoursTable(const PourReport& report)
{
    const UnitSystem units = report.units;
    output::PagedTable table{
        .headers = {QStringLiteral("Time"), WithUnit(QStringLiteral("Air"), Quantity::Temperature, units),
                    WithUnit(QStringLiteral("RH"), Quantity::Humidity, units),
                    WithUnit(QStringLiteral("Wind"), Quantity::Wind, units),
                    WithUnit(QStringLiteral("Concrete"), Quantity::Temperature, units),
                    WithUnit(QStringLiteral("Rate"), Quantity::Rate, units),
                    QStringLiteral("±%1 % band").arg(int(EquationSpread * 100 + 0.5)), QStringLiteral("Class"),
                    QStringLiteral("Readings")}};
    for (const PourHour& hour : report.hours) {
        table.rows.push_back({HourTimeText(hour), hour.air, hour.humidity, hour.wind, hour.concrete,
                              RateText(hour.rate), BandText(hour.rate), ClassText(report, hour), hour.provenance});
    }
    return table;
}

output::PagedTable MeasuresTable(const PourReport& report)
{
    output::PagedTable table{
        .headers = {QStringLiteral("Measure"), QStringLiteral("Planned"), QStringLiteral("Taken")}};
    for (const PourMeasure& measure : report.measures) {
        table.rows.push_back({measure.text, measure.planned ? QStringLiteral("yes") : QStringLiteral("no"),
                              measure.taken ? QStringLiteral("yes") : QStringLiteral("no")});
    }
    return table;
}

}  // namespace

QString DigestLine(const QString& digest)
{
    return QStringLiteral("SHA-256 of the report's content: %1").arg(digest);
}

output::PagedDocument PourDocument(const PourReport& report)
{
    output::PagedDocument document(QStringLiteral("Pour Report: ") + report.title(),
                                   DigestLine(ReportDigest(CanonicalText(report))));
    int borderline = 0;
    for (const PourHour& hour : report.hours)
        borderline += report.borderline(hour) ? 1 : 0;
    QStringList heading{QStringLiteral("Site: ") + report.site,
                        QStringLiteral("Pour or element: ") + report.pour,
                        QStringLiteral("Date: ") + QLocale().toString(report.date, QLocale::LongFormat),
                        QStringLiteral("Prepared by: ") + report.preparedBy,
                        QStringLiteral("Mix: ") + Q(std::string(PresetOf(report.mix).name)),
                        QStringLiteral("Threshold in force: %1 %2")
                            .arg(report.thresholdText, UnitCaptions::Symbol(Quantity::Rate, report.units))};
    if (!report.sun.isEmpty())
        heading << QStringLiteral("Sun on the slab: %1 (recorded; it changes no rate)").arg(report.sun);
    document.addText(heading.join(u'\n'));
    document.addHeading(QStringLiteral("Hours"));
    document.addText(QStringLiteral("%1 %2 borderline hours (the ±%3 % band crosses the threshold).")
                         .arg(report.safeWindow)
                         .arg(borderline)
                         .arg(int(EquationSpread * 100 + 0.5)),
                     true);
    document.addDrawing(PourChartPoints,
                        [report](QPainter& painter, const QRectF& area) { DrawPourChart(painter, area, report); });
    document.addTable(HoursTable(report));
    document.addHeading(QStringLiteral("Measures"));
    document.addTable(MeasuresTable(report));
    document.addText(QStringLiteral("Other measures: ") + report.otherMeasures);
    document.addHeading(QStringLiteral("Remarks"));
    document.addText(report.remarks.isEmpty() ? QStringLiteral("None.") : report.remarks);
    document.addSpace(24);
    document.addText(QStringLiteral("Signature: ________________________________    Date: ________________"));
    document.addText(QStringLiteral("Name: ") + report.preparedBy);
    return document;
}
