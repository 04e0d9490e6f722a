#include <benchmark/benchmark.h>

#include <QFile>
#include <algorithm>
#include <QFileInfo>
#include <QImage>
#include <cstdio>
#include <fstream>
#include <string>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>

#include "app/CommandLine.h"
#include "outlook/CsvImport.h"
#include "outlook/HourlyMeans.h"
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

// A week of hours computed with their "Concrete at most" and borderline marks, windows
// found and described, and the chart drawn with its band at the outlook's size.
void BM_OutlookWeek(benchmark::State& state)
{
    const std::vector<HourlyReading> readings = Week(168);
    QImage canvas(940, 300, QImage::Format_ARGB32_Premultiplied);
    std::size_t cooled = 0;
    std::size_t borderline = 0;
    for (auto _ : state) {
        const OutlookSettings settings;
        const std::vector<OutlookHour> hours = Evaluate(readings, settings);
        const PourWindow::Found found = FindWindows(hours, 4, {});
        benchmark::DoNotOptimize(DescribeWindows(hours, found, 4));
        QPainter painter(&canvas);
        OutlookChart::Paint(painter, canvas.rect(), OutlookChartData::From(hours, settings, found));
        cooled = std::size_t(std::count_if(hours.begin(), hours.end(), [](const auto& h) { return h.concreteAtMost; }));
        borderline = std::size_t(std::count_if(hours.begin(), hours.end(), [](const auto& h) { return h.borderline; }));
    }
    if (cooled == 0 || borderline == 0)
        state.SkipWithError("the week has no hour to cool or no borderline hour");
    state.counters["concrete_at_most"] = double(cooled);
    state.counters["borderline"] = double(borderline);
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

// A meter's log as its software exports it: device lines, header, units row, then a
// reading a second from 2026-07-14 12:00:00 AM on, `seconds` of them.
void WriteMeterLog(QFile& file, qint64 seconds)
{
    file.write("Device Name,DECK-2\r\nDevice Model,WM-20\r\nSerial Number,1234567\r\n"
               "FORMATTED DATE_TIME,Temperature,Wet Bulb Temp,Relative Humidity,Barometric Pressure,Wind Speed,"
               "Dew Point,Data Type\r\nyyyy-MM-dd hh:mm:ss a,\u00b0F,\u00b0F,%,inHg,mph,\u00b0F,\r\n");
    const QDate start(2026, 7, 14);
    std::string block;
    char line[128];
    for (qint64 s = 0; s < seconds; ++s) {
        const QDate date = start.addDays(s / 86400);
        const int hour = int(s % 86400 / 3600);
        std::snprintf(line, sizeof line, "%04d-%02d-%02d %02d:%02d:%02d %s,%.1f,55.0,%.1f,29.92,%.1f,50.0,point\r\n",
                      date.year(), date.month(), date.day(), (hour + 11) % 12 + 1, int(s % 3600 / 60), int(s % 60),
                      hour < 12 ? "AM" : "PM", 60 + (s % 3000) / 100.0, 30 + (s % 500) / 10.0, (s % 97) / 10.0);
        block += line;
        if (block.size() > (1 << 20)) {
            file.write(block.data(), qint64(block.size()));
            block.clear();
        }
    }
    file.write(block.data(), qint64(block.size()));
}

// A day's log at a reading a second, read and averaged to its 24 hours.
void BM_MeterLogDay(benchmark::State& state)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("meter.csv")));
    file.open(QIODevice::WriteOnly);
    WriteMeterLog(file, 86400);
    file.close();
    for (auto _ : state) {
        file.open(QIODevice::ReadOnly);
        CsvImport::Reader reader(file, std::nullopt, UnitSystem::US);
        HourlyMeans::Averager averager;
        std::vector<HourlyReading> hours;
        for (HourlyReading row; reader.next(row);)
            averager.add(row, hours);
        averager.finish(hours);
        file.close();
        if (hours.size() != 24)
            state.SkipWithError("not 24 hours");
    }
}
BENCHMARK(BM_MeterLogDay)->Unit(benchmark::kMillisecond)->Iterations(3);

long PeakResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return 0;
}

// The command line on a 200 MB log, its rows written to /dev/null: the peak resident memory
// of the whole process (run it in a process of its own).
void BM_CommandLineMemory(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("large.csv"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        WriteMeterLog(file, 3'500'000);
    }
    QFile null(QStringLiteral("/dev/null"));
    null.open(QIODevice::WriteOnly);
    const CommandLine::Request request =
        CommandLine::Parse({QStringLiteral("brackmere"), QStringLiteral("--outlook"), path});
    for (auto _ : state) {
        QTextStream out(&null), err(&null);
        benchmark::DoNotOptimize(CommandLine::Run(request, out, err));
    }
    state.counters["file_MB"] = double(QFileInfo(path).size()) / (1024 * 1024);
    state.counters["peak_resident_MB"] = PeakResidentKilobytes() / 1024.0;
}
BENCHMARK(BM_CommandLineMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
