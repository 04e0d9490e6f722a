#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>

#include "output/PrintDestinations.h"
#include "output/PrintTarget.h"
#include "bench/BenchRecords.h"
#include "records/RecordsSchema.h"
#include "records/RecordsStore.h"
#include "records/frmView.h"
#include "ui/MessageBox.h"

namespace {

using namespace BenchRecords;


// Answers every file prompt with one path in a folder of the run's own.
class ExportFolder : public output::PrintDestinations {
public:
    std::unique_ptr<output::PrintTarget> defaultPrinter() override { return nullptr; }
    QString askPdfFileName(QWidget*) override { return dir_.filePath(QStringLiteral("records.pdf")); }
    QString askSaveFileName(QWidget*, const QString&, const QString&, const QString& suggested) override
    {
        return dir_.filePath(suggested);
    }

private:
    QTemporaryDir dir_;
};

// 100,000 records over a year of dates (M/d/yyyy with leading zeros), seven sites,
// varied readings and both unit systems, opened as the program opens them.
class SpreadRecordsFile {
public:
    SpreadRecordsFile()
    {
        const QString path = dir_.filePath(RecordsSchema::FileName);
        OpenNewRecordsFile(store, path);
        QSqlQuery fill(store.database());
        fill.exec(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1)"
            " INSERT INTO tblBrackmere (RecordDate, RecordTime, AirTemp, ConcreteTemp, RH, WindVelocity,"
            " EvapRate, RateNote, MiscNote, RateThreshold, Site, SavedBy, Units)"
            " SELECT strftime('%m/%d/%Y', '2025-01-01', '+' || (i % 365) || ' days'), '6:49:00 PM',"
            " (i * 37) % 120, '90', '50', '10', '0.241', 'Measures may be needed.', 'pour, \"' || i || '\"', 0.2,"
            " 'Site ' || (i % 7), 'kim', CASE i % 2 WHEN 0 THEN 'US' ELSE 'SI' END FROM n").arg(RecordCount));
    }

    RecordsStore store;

private:
    QTemporaryDir dir_;
};

SpreadRecordsFile& Records()
{
    static SpreadRecordsFile file;
    return file;
}

void ReadEverything(frmView& viewer)
{
    const QLabel* count = viewer.findChild<QLabel*>(QStringLiteral("lblCount"));
    while (count->text().startsWith(QStringLiteral("Reading")))
        QCoreApplication::processEvents();
}

// The export itself, once the viewer has read every record.
void BM_ExportCsv100000Records(benchmark::State& state)
{
    PressOk ok;
    const Msg::ScopedResponder answers(ok);
    ExportFolder folder;
    const output::ScopedPrintDestinations destinations(folder);
    frmView viewer(Records().store);
    ReadEverything(viewer);
    auto* exportCsv = viewer.findChild<QPushButton*>(QStringLiteral("cmdExportCsv"));
    for (auto _ : state)
        exportCsv->click();
}
BENCHMARK(BM_ExportCsv100000Records)->Unit(benchmark::kMillisecond);

// Opening the viewer and exporting at once: the export reads the records first.
void BM_OpenAndExportCsv100000Records(benchmark::State& state)
{
    PressOk ok;
    const Msg::ScopedResponder answers(ok);
    ExportFolder folder;
    const output::ScopedPrintDestinations destinations(folder);
    for (auto _ : state) {
        auto viewer = std::make_unique<frmView>(Records().store);
        viewer->findChild<QPushButton*>(QStringLiteral("cmdExportCsv"))->click();
        state.PauseTiming();
        viewer.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenAndExportCsv100000Records)->Unit(benchmark::kMillisecond);

// From opening to a right count: every record read and filtered by three months of dates.
void BM_ViewerShownOn100000RecordsWithDateFilter(benchmark::State& state)
{
    for (auto _ : state) {
        auto viewer = std::make_unique<frmView>(Records().store);
        viewer->findChild<QDateEdit*>(QStringLiteral("dtFrom"))->setDate({2025, 3, 1});
        viewer->findChild<QDateEdit*>(QStringLiteral("dtTo"))->setDate({2025, 5, 31});
        viewer->findChild<QCheckBox*>(QStringLiteral("chkFilterDates"))->setChecked(true);
        viewer->show();
        ReadEverything(*viewer);
        state.PauseTiming();
        viewer.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ViewerShownOn100000RecordsWithDateFilter)->Unit(benchmark::kMillisecond);

// Sorting every record by a reading, then by date.
void BM_Sort100000RecordsByAirTempThenDate(benchmark::State& state)
{
    frmView viewer(Records().store);
    ReadEverything(viewer);
    auto* grid = viewer.findChild<QTableView*>(QStringLiteral("DBGrid1"));
    for (auto _ : state) {
        grid->sortByColumn(3, Qt::AscendingOrder);
        grid->sortByColumn(1, Qt::AscendingOrder);
        state.PauseTiming();
        grid->sortByColumn(-1, Qt::AscendingOrder);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Sort100000RecordsByAirTempThenDate)->Unit(benchmark::kMillisecond);

// Opened in SI on records of both systems: shown, its first rows converted, fitted and painted.
void BM_ViewerShownInSIOn100000Records(benchmark::State& state)
{
    for (auto _ : state) {
        auto viewer = std::make_unique<frmView>(Records().store, nullptr, UnitSystem::SI);
        viewer->show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        viewer.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ViewerShownInSIOn100000Records)->Unit(benchmark::kMillisecond);

}  // namespace
