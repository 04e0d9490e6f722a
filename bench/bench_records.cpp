#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlTableModel>
#include <QTemporaryDir>
#include <QUrl>

#include "calc/Calculation.h"
#include "calc/ProgramError.h"
#include "bench/BenchRecords.h"
#include "records/RecordsImportDialog.h"
#include "records/RecordsSchema.h"
#include "records/RecordsStore.h"
#include "records/frmSave.h"
#include "records/frmView.h"
#include "ui/MessageBox.h"

namespace {

using namespace BenchRecords;


// A records file holding 100,000 records, opened as the program opens it.
class LargeRecordsFile {
public:
    LargeRecordsFile()
    {
        const QString path = dir_.filePath(RecordsSchema::FileName);
        OpenNewRecordsFile(store, path);
        QSqlQuery fill(store.database());
        fill.exec(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1)"
            " INSERT INTO tblBrackmere (RecordDate, RecordTime, AirTemp, ConcreteTemp, RH, WindVelocity,"
            " EvapRate, RateNote, MiscNote, RateThreshold)"
            " SELECT '12/6/2025', '6:49:00 PM', '85', '90', '50', '10', '0.241', 'Measures may be needed.',"
            " 'pour ' || i, 0.2 FROM n").arg(RecordCount));
    }

    RecordsStore store;

private:
    QTemporaryDir dir_;
};

LargeRecordsFile& Records()
{
    static LargeRecordsFile file;
    return file;
}

void BM_ViewerShownOn100000Records(benchmark::State& state)
{
    RecordsStore& store = Records().store;
    for (auto _ : state) {
        auto viewer = std::make_unique<frmView>(store);
        viewer->show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        viewer.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ViewerShownOn100000Records)->Unit(benchmark::kMillisecond);

void BM_CopyAll100000Records(benchmark::State& state)
{
    frmView viewer(Records().store);
    auto* copy = viewer.findChild<QPushButton*>(QStringLiteral("cmdCopy"));
    for (auto _ : state)
        copy->click();
}
BENCHMARK(BM_CopyAll100000Records)->Unit(benchmark::kMillisecond);

void BM_SaveOneRecord(benchmark::State& state)
{
    RecordsStore& store = Records().store;
    PressOk ok;
    Msg::ScopedResponder answers(ok);
    const Calculation shown = Calculate({.readings = {"85", "50", "90", "10"}});
    for (auto _ : state) {
        frmSave dialog(shown, store);
        dialog.findChild<QPushButton*>(QStringLiteral("cmdAccept"))->click();
    }
}
BENCHMARK(BM_SaveOneRecord)->Unit(benchmark::kMillisecond);

// Importing a field log of 10,000 readings into an empty records file, as Import Records does.
void BM_Import10000Rows(benchmark::State& state)
{
    QTemporaryDir dir;
    QFile log(dir.filePath(QStringLiteral("log.csv")));
    log.open(QIODevice::WriteOnly);
    log.write("RecID,RecordDate,RecordTime,AirTemp,ConcreteTemp,RH,WindVelocity,EvapRate,RateNote,MiscNote,"
              "RateThreshold,Units,Site,SavedBy,CopiedFrom,Source,ConcreteRule,WindFactor\r\n");
    for (int i = 0; i < 10000; ++i)
        log.write(QStringLiteral("%1,2025-06-%2,%3:%4,%5,90,50,10,0.241,Measures may be needed.,\"pour, %1\",0.2,US,"
                                 "Quay %6,,,Field log,,\r\n")
                      .arg(i).arg(1 + i % 28, 2, 10, QChar(u'0')).arg(i / 60 % 24, 2, 10, QChar(u'0'))
                      .arg(i % 60, 2, 10, QChar(u'0')).arg(60 + i % 40).arg(i % 5)
                      .toUtf8());
    log.close();
    PressOk ok;
    Msg::ScopedResponder answers(ok);
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        RecordsStore store;
        OpenNewRecordsFile(store, dir.filePath(QStringLiteral("records-%1.mdb").arg(++round)));
        state.ResumeTiming();
        RecordsImportDialog::ImportFile(nullptr, store, log.fileName());
        state.PauseTiming();
        if (store.RecordCount() != 10000)
            state.SkipWithError("the rows were not all imported");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Import10000Rows)->Unit(benchmark::kMillisecond);

// The same on a records server, when BRACKMERE_BENCH_PG_URI names a database there, for
// instance on the throwaway server of scripts/pg-test-server.sh:
//   dir=$(mktemp -d) && bash scripts/pg-test-server.sh start "$dir" && . "$dir/env"
//   BRACKMERE_BENCH_PG_URI=$BRACKMERE_TEST_PG_URI bash scripts/bench.sh --benchmark_filter=Server
//   bash scripts/pg-test-server.sh stop "$dir" && rm -rf "$dir"
// The records live in a database of the benchmarks' own there, dropped at the end.
constexpr const char* BenchServerVariable = "BRACKMERE_BENCH_PG_URI";
const QString BenchDatabase = QStringLiteral("brackmere_bench");

// Runs `sql` on the server's own database, as its administrator.
void OnServer(const QString& uri, const QString& sql)
{
    RecordsStore admin;
    admin.UseLocation(RecordsLocation::FromText(uri));
    admin.OpenDatabase();
    QSqlQuery(sql, admin.database());
}

class LargeServerTable {
public:
    LargeServerTable() : uri_(qEnvironmentVariable(BenchServerVariable))
    {
        if (uri_.isEmpty()) {
            failure = "BRACKMERE_BENCH_PG_URI is not set: no records server to measure (see bench_records.cpp)";
            return;
        }
        try {
            Fill();
        } catch (const ProgramError& error) {
            failure = error.what();
        }
    }
    ~LargeServerTable()
    {
        if (uri_.isEmpty())
            return;
        if (store.isOpen())
            store.recordsTable()->clear();
        store.database().close();
        try {
            OnServer(uri_, QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(BenchDatabase));
        } catch (const ProgramError&) {
            // The server went away: nothing is left to drop.
        }
    }

    RecordsStore store;
    std::string failure;  // why there is nothing to measure

private:
    void Fill()
    {
        OnServer(uri_, QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(BenchDatabase));
        OnServer(uri_, QStringLiteral("CREATE DATABASE %1").arg(BenchDatabase));
        QUrl own(uri_);
        own.setPath(u'/' + BenchDatabase);
        store.UseLocation(RecordsLocation::FromText(own.toString()));
        store.OpenDatabase();
        store.AddRateThresholdField();
        store.OpenRecordsTable();
        // One statement fills the table: 100,000 round trips would take minutes.
        QSqlQuery fill(store.database());
        fill.exec(QStringLiteral(
            "INSERT INTO \"tblBrackmere\" (\"RecordDate\", \"RecordTime\", \"AirTemp\", \"ConcreteTemp\", \"RH\","
            " \"WindVelocity\", \"EvapRate\", \"RateNote\", \"MiscNote\", \"RateThreshold\")"
            " SELECT '12/6/2025', '6:49:00 PM', '85', '90', '50', '10', '0.241', 'Measures may be needed.',"
            " 'pour ' || i, 0.2 FROM generate_series(1, %1) AS i").arg(RecordCount));
        if (store.RecordCount() != RecordCount)
            failure = "the records server could not be filled: " + fill.lastError().text().toStdString();
    }

    QString uri_;
};

// Null, with the reason given to the benchmark, when there is no server to measure.
RecordsStore* ServerRecords(benchmark::State& state)
{
    static LargeServerTable table;
    if (table.failure.empty())
        return &table.store;
    state.SkipWithError(table.failure.c_str());
    return nullptr;
}

void BM_ViewerShownOn100000ServerRecords(benchmark::State& state)
{
    RecordsStore* store = ServerRecords(state);
    if (!store)
        return;
    for (auto _ : state) {
        auto viewer = std::make_unique<frmView>(*store);
        viewer->show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        viewer.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ViewerShownOn100000ServerRecords)->Unit(benchmark::kMillisecond);

void BM_SaveOneRecordOnServer(benchmark::State& state)
{
    RecordsStore* store = ServerRecords(state);
    if (!store)
        return;
    PressOk ok;
    Msg::ScopedResponder answers(ok);
    const Calculation shown = Calculate({.readings = {"85", "50", "90", "10"}});
    for (auto _ : state) {
        frmSave dialog(shown, *store);
        dialog.findChild<QPushButton*>(QStringLiteral("cmdAccept"))->click();
    }
}
BENCHMARK(BM_SaveOneRecordOnServer)->Unit(benchmark::kMillisecond);

// A change of one record's note as the viewer's grid writes it, with the history row the
// server's trigger writes in the same transaction.
void BM_ChangeOneRecordWithHistoryOnServer(benchmark::State& state)
{
    RecordsStore* store = ServerRecords(state);
    if (!store)
        return;
    QSqlTableModel* table = store->recordsTable();
    table->setFilter(QStringLiteral("\"RecID\" = 1"));
    table->select();
    const int note = table->fieldIndex(QStringLiteral("MiscNote"));
    int change = 0;
    for (auto _ : state) {
        table->setData(table->index(0, note), QStringLiteral("change %1").arg(++change));
        if (!table->submitAll())
            state.SkipWithError(table->lastError().text().toStdString().c_str());
    }
    table->setFilter({});
}
BENCHMARK(BM_ChangeOneRecordWithHistoryOnServer)->Unit(benchmark::kMillisecond);

}  // namespace
