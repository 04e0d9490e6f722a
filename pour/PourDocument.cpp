#include "pour/PourDocument.h"

#include "calc/RateBand.h"
#include "pour/PourChart.h"
#include "pour/PourReport.h"
#include "records/SavedReport.h"
#include "ui/QtText.h"
#include "ui/UnitCaptions.h"
#include <QCoreApplication>

namespace {

QString WithUnit(const QString& name, Quantity quantity, UnitSystem units)
{
    return QStringLiteral("%1 (%2)").arg(name, UnitCaptions::Symbol(quantity, units));
}

output::PagedTable HoursTable(const PourReport& report)
{
    const UnitSystem units = report.units;
    output::PagedTable table{
        .headers = {QCoreApplication::translate("PourDocument", "Time"),
                    WithUnit(QCoreApplication::translate("PourDocument", "Air"), Quantity::Temperature, units),
                    WithUnit(QCoreApplication::translate("PourDocument", "RH"), Quantity::Humidity, units),
                    WithUnit(QCoreApplication::translate("PourDocument", "Wind"), Quantity::Wind, units),
                    WithUnit(QCoreApplication::translate("PourDocument", "Concrete"), Quantity::Temperature, units),
                    WithUnit(QCoreApplication::translate("PourDocument", "Rate"), Quantity::Rate, units),
                    QCoreApplication::translate("PourDocument", "±%1 % band").arg(int(EquationSpread * 100 + 0.5)),
                    QCoreApplication::translate("PourDocument", "Class"),
                    QCoreApplication::translate("PourDocument", "Readings")}};
    for (const PourHour& hour : report.hours) {
        table.rows.push_back({HourTimeText(hour), hour.air, hour.humidity, hour.wind, hour.concrete,
                              RateText(hour.rate), BandText(hour.rate), ClassText(report, hour), hour.provenance});
    }
    return table;
}

output::PagedTable MeasuresTable(const PourReport& report)
{
    output::PagedTable table{.headers = {QCoreApplication::translate("PourDocument", "Measure"),
                                         QCoreApplication::translate("PourDocument", "Planned"),
                                         QCoreApplication::translate("PourDocument", "Taken")}};
    for (const PourMeasure& measure : report.measures) {
        table.rows.push_back({measure.text, measure.planned ? QStringLiteral("yes") : QStringLiteral("no"),
                              measure.taken ? QStringLiteral("yes") : QStringLiteral("no")});
    }
    return table;
}

}  // namespace

QString DigestLine(const QString& digest)
{
    return QCoreApplication::translate("PourDocument", "SHA-256 of the report's content: %1").arg(digest);
}

output::PagedDocument PourDocument(const PourReport& report)
{
    output::PagedDocument document(QCoreApplication::translate("PourDocument", "Pour Report: ") + report.title(),
                                   DigestLine(ReportDigest(CanonicalText(report))));
    int borderline = 0;
    for (const PourHour& hour : report.hours)
        borderline += report.borderline(hour) ? 1 : 0;
    QStringList heading{
        QCoreApplication::translate("PourDocument", "Site: ") + report.site,
        QCoreApplication::translate("PourDocument", "Pour or element: ") + report.pour,
        QCoreApplication::translate("PourDocument", "Date: ") + QLocale().toString(report.date, QLocale::LongFormat),
        QCoreApplication::translate("PourDocument", "Prepared by: ") + report.preparedBy,
        QCoreApplication::translate("PourDocument", "Mix: ") + Q(std::string(PresetOf(report.mix).name)),
        QCoreApplication::translate("PourDocument", "Threshold in force: %1 %2")
            .arg(report.thresholdText, UnitCaptions::Symbol(Quantity::Rate, report.units))};
    if (!report.sun.isEmpty())
        heading << QCoreApplication::translate("PourDocument", "Sun on the slab: %1 (recorded; it changes no rate)")
                       .arg(report.sun);
    document.addText(heading.join(u'\n'));
    document.addHeading(QCoreApplication::translate("PourDocument", "Hours"));
    document.addText(
        QCoreApplication::translate("PourDocument", "%1 %2 borderline hours (the ±%3 % band crosses the threshold).")
            .arg(report.safeWindow)
            .arg(borderline)
            .arg(int(EquationSpread * 100 + 0.5)),
        true);
    document.addDrawing(PourChartPoints,
                        [report](QPainter& painter, const QRectF& area) { DrawPourChart(painter, area, report); });
    document.addTable(HoursTable(report));
    document.addHeading(QCoreApplication::translate("PourDocument", "Measures"));
    document.addTable(MeasuresTable(report));
    document.addText(QCoreApplication::translate("PourDocument", "Other measures: ") + report.otherMeasures);
    document.addHeading(QCoreApplication::translate("PourDocument", "Remarks"));
    document.addText(report.remarks.isEmpty() ? QCoreApplication::translate("PourDocument", "None.") : report.remarks);
    document.addSpace(24);
    document.addText(QCoreApplication::translate(
        "PourDocument", "Signature: ________________________________    Date: ________________"));
    document.addText(QCoreApplication::translate("PourDocument", "Name: ") + report.preparedBy);
    return document;
}
