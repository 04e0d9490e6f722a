#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <QTextStream>

#include "app/CommandLine.h"
#include "records/PlannedPours.h"
#include "records/RecordsSchema.h"
#include "records/RecordsStore.h"
#include "settings/Settings.h"
#include "tests/watch/WatchServer.h"

namespace {

// `brackmere --watch` as the timer runs it, over 20 pours planned at 10 sites in the coming
// days, each site's forecast served from this computer: records read, forecasts fetched,
// kept and read, every pour's hours computed, the report written.
void BM_WatchTwentyPours(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString records = folder.filePath(QStringLiteral("records.mdb"));
    QString error;
    if (!RecordsSchema::CreateRecordsFile(records, error)) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    {
        RecordsStore store;
        store.UseDatabasePath(records);
        store.OpenDatabase();
        const QDateTime hour = QDateTime(QDate::currentDate().addDays(1), QTime(6, 0), Qt::UTC);
        for (int i = 0; i < 20; ++i) {
            PlannedPour pour;
            pour.site = QStringLiteral("Site %1").arg(i % 10);
            pour.latitude = 40.0 + i % 10;
            pour.longitude = 8.5;
            pour.timeZone = QStringLiteral("Europe/Zurich");
            pour.start = hour.addSecs(3600LL * (i / 10) * 26);
            pour.end = pour.start.addSecs(6 * 3600);
            PlannedPours::Add(store.database(), pour);
        }
    }
    JsonServer server([](const QString&, const QUrlQuery& query) {
        const double latitude = query.queryItemValue(QStringLiteral("latitude")).toDouble();
        return ForecastAnswer(latitude, 8.5, {20 + latitude / 4, 50, 15});
    });
    Settings::SetForecastServer(server.base);
    qputenv("BRACKMERE_RECORDS", records.toUtf8());
    qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("data")).toUtf8());
    CommandLine::Request request;
    request.action = CommandLine::Action::Watch;
    int status = -1;
    for (auto _ : state) {
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        status = CommandLine::Run(request, outStream, errStream);
        benchmark::DoNotOptimize(out);
    }
    qunsetenv("BRACKMERE_RECORDS");
    qunsetenv("XDG_DATA_HOME");
    if (server.requests != 10 * int(state.iterations()) || status == 2)
        state.SkipWithError("the watch did not fetch each site once and check every pour");
}
BENCHMARK(BM_WatchTwentyPours)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
