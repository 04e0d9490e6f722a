#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <cmath>

#include "output/PagedDocument.h"
#include "output/Page.h"
#include "output/PrintJob.h"
#include "output/PrintTarget.h"
#include "pour/PourDocument.h"
#include "pour/PourReport.h"

namespace {

// A week of forecast hours over a hot day and a mild night, the concrete left to the rule.
PourReport WeekReport()
{
    std::vector<HourlyReading> readings;
    const QDateTime start(QDate(2026, 7, 6), QTime(0, 0), Qt::UTC);
    for (int h = 0; h < 168; ++h) {
        const double daylight = std::sin((h % 24) * 3.14159 / 24);
        HourlyReading reading;
        reading.time = start.addSecs(3600LL * h);
        reading.readings.air = QString::number(60 + 30 * daylight, 'f', 1).toStdString();
        reading.readings.humidity = QString::number(70 - 40 * daylight, 'f', 1).toStdString();
        reading.readings.wind = QString::number(3 + 10 * daylight, 'f', 1).toStdString();
        reading.source = RecordSource::Forecast;
        reading.windFactor = 0.65;
        readings.push_back(reading);
    }
    const OutlookSettings settings;
    PourReport report = ReportFromOutlook(Evaluate(readings, settings), settings, QStringLiteral("Safe window."));
    report.site = QStringLiteral("North yard");
    report.pour = QStringLiteral("Slab A");
    report.measures = MeasureList();
    report.measures[1].planned = true;
    return report;
}

// A pour report of a week of hours laid out and written as a PDF file.
void BM_PourReportWeekPdf(benchmark::State& state)
{
    const PourReport report = WeekReport();
    QTemporaryDir folder;
    int pages = 0;
    for (auto _ : state) {
        output::PagedDocument document = PourDocument(report);
        output::PdfFileTarget pdf(folder.filePath(QStringLiteral("week.pdf")));
        pdf.setPaper(output::PaperFor());
        if (!output::RunMultiPagePrintJob(pdf, QPageLayout::Portrait, [&document](output::Page& page, int index) {
                return document.drawPages(page, index);
            }))
            state.SkipWithError("the PDF file was not written");
        pages = document.pageCount();
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PourReportWeekPdf)->Unit(benchmark::kMillisecond);

}  // namespace
