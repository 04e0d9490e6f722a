#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "records/RecordsSchema.h"
#include "records/RecordsStore.h"
#include "records/frmSave.h"
#include "records/frmView.h"
#include "ui/MessageBox.h"

namespace {

constexpr int RecordCount = 100000;

// Answers every message at once, as the user would press OK.
class PressOk : public Msg::Responder {
public:
    Msg::Answer respond(const Msg::Request&) override { return Msg::Answer::Ok; }
};

// A records file holding 100,000 records, opened as the program opens it.
class LargeRecordsFile {
public:
    LargeRecordsFile()
    {
        const QString path = dir_.filePath(RecordsSchema::FileName);
        QString error;
        RecordsSchema::CreateRecordsFile(path, error);
        store.UseDatabasePath(path);
        store.OpenDatabase();
        store.AddRateThresholdField();
        store.OpenRecordsTable();
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
    const SaveSnapshot shown{"85", "50", "90", "10", "0.2", "0.241", "Measures may be needed."};
    for (auto _ : state) {
        frmSave dialog(shown, store);
        dialog.findChild<QPushButton*>(QStringLiteral("cmdAccept"))->click();
    }
}
BENCHMARK(BM_SaveOneRecord)->Unit(benchmark::kMillisecond);

}  // namespace
