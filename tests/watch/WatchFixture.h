#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <map>

#include "records/PlannedPours.h"
#include "records/RecordsStore.h"
#include "settings/Settings.h"
#include "tests/support/RecordsFiles.h"
#include "tests/watch/WatchServer.h"

constexpr double Longitude = 8.5;
// Sites by latitude: their weather makes every hour clear, borderline (0.183 lb/ft²/hr,
// its band reaching over 0.2) or at risk (0.526 lb/ft²/hr); the server knows no other.
inline const std::map<double, SiteWeather> SitesWeather{
    {10, {10, 90, 5}}, {20, {27.4, 47, 29.54}}, {30, {35, 20, 40}}};
enum Site { Clear = 10, Borderline = 20, AtRisk = 30, Unknown = 40 };

inline QString SiteName(double latitude)
{
    return QStringLiteral("Site %1").arg(latitude);
}

inline PlannedPour Pour(double latitude, int startsInHours, int hours = 5)
{
    PlannedPour pour;
    pour.site = SiteName(latitude);
    pour.latitude = latitude;
    pour.longitude = Longitude;
    pour.timeZone = "Europe/Zurich";
    const QDateTime hour = QDateTime::currentDateTimeUtc();
    pour.start = QDateTime(hour.date(), QTime(hour.time().hour(), 0), Qt::UTC).addSecs(startsInHours * 3600);
    pour.end = pour.start.addSecs(hours * 3600);
    return pour;
}

struct Ran {
    int status = -1;
    QString out;
    QString err;
};

// The program as the timer starts it, its settings, kept forecasts and records the test's own.
class WatchRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.filePath("config"));
        Settings::SetForecastServer(server.base);
    }
    void TearDown() override { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.filePath("none")); }

    qint64 Plan(PlannedPour pour)
    {
        RecordsStore store;
        store.UseDatabasePath(records.path());
        store.OpenDatabase();
        EXPECT_FALSE(PlannedPours::Add(store.database(), pour).isValid());
        return pour.id;
    }

    Ran Watch(const QStringList& arguments, const QString& recordsAt = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("BRACKMERE_RECORDS", recordsAt.isEmpty() ? records.path() : recordsAt);
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        for (const auto& [name, value] : extraEnvironment)
            environment.insert(name, value);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(BRACKMERE_PROGRAM), QStringList{"--watch"} + arguments);
        // The server answers from this thread: wait with its events running.
        EXPECT_TRUE(QTest::qWaitFor([&program] { return program.state() == QProcess::NotRunning; }, 30000));
        return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
                QString::fromUtf8(program.readAllStandardError())};
    }

    QTemporaryDir home;
    RecordsFile records;
    std::map<QString, QString> extraEnvironment;
    std::map<double, SiteWeather> weather = SitesWeather;
    JsonServer server{[this](const QString& path, const QUrlQuery& query) {
        const auto site = weather.find(query.queryItemValue("latitude").toDouble());
        if (path != "/v1/forecast" || site == weather.end())
            return QByteArray();
        return ForecastAnswer(site->first, Longitude, site->second);
    }};
};

