#include <benchmark/benchmark.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>

#include "app/CommandLine.h"
#include "outlook/OutlookChart.h"
#include "outlook/OutlookHours.h"
#include "ui/QtText.h"

namespace {

// Hourly readings of a summer week, varied enough that hours fall on both sides of the
// threshold.
std::vector<HourlyReading> Week(int hours)
{
    std::vector<HourlyReading> readings;
    const QDateTime start(QDate(2026, 7, 6), QTime(0, 0));
    for (int h = 0; h < hours; ++h) {
        const double dayPart = (h % 24) / 24.0;
        HourlyReading reading;
        reading.time = start.addSecs(3600LL * h);
        reading.readings.air = QString::number(60 + 30 * dayPart, 'f', 1).toStdString();
        reading.readings.humidity = QString::number(80 - 50 * dayPart, 'f', 1).toStdString();
        reading.readings.wind = QString::number(3 + h % 13, 'f', 1).toStdString();
        readings.push_back(reading);
    }
    return readings;
}

// A week of hours computed, windows found and the chart drawn at the outlook's size.
void BM_OutlookWeek(benchmark::State& state)
{
    const std::vector<HourlyReading> readings = Week(168);
    QImage canvas(940, 300, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const OutlookSettings settings;
        const std::vector<OutlookHour> hours = Evaluate(readings, settings);
        const PourWindow::Found found = FindWindows(hours, 4, {});
        QPainter painter(&canvas);
        OutlookChart::Paint(painter, canvas.rect(), OutlookChartData::From(hours, settings, found));
    }
}
BENCHMARK(BM_OutlookWeek)->Unit(benchmark::kMillisecond);

// The command line on a file of 100,000 hours, from reading the file to the last line written.
void BM_CommandLineOutlook(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("hours.csv"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        QTextStream out(&file);
        out << "time,air temperature (F),rh,wind (mph),concrete temperature (F)\n";
        for (const HourlyReading& r : Week(100000))
            out << r.time.toString(Qt::ISODate) << ',' << Q(r.readings.air) << ',' << Q(r.readings.humidity) << ','
                << Q(r.readings.wind) << ",75\n";
    }
    const CommandLine::Request request = CommandLine::Parse({QStringLiteral("brackmere"), QStringLiteral("--outlook"), path});
    for (auto _ : state) {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        benchmark::DoNotOptimize(CommandLine::Run(request, outStream, errStream));
    }
}
BENCHMARK(BM_CommandLineOutlook)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
