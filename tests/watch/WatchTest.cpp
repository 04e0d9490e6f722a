#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "outlook/Geocoding.h"
#include "records/PlannedPours.h"
#include "settings/Settings.h"
#include "tests/records/RecordsServer.h"
#include "tests/support/RecordsFiles.h"
#include "tests/watch/WatchFixture.h"

namespace {

TEST_F(WatchRun, ExitStatusSaysWhetherEveryPourIsClear)
{
    const struct {
        const char* name;
        std::vector<PlannedPour> pours;
        QStringList arguments;
        int status;
        int requests;      // to the forecast server
        const char* out;   // a part of standard output
        const char* err;   // a part of standard error
    } runs[] = {
        {"nothing planned", {}, {}, 0, 0, "No pour is planned in the coming 3 days.", ""},
        {"every pour clear, each site fetched once", {Pour(Clear, 2), Pour(Clear, 26)}, {}, 0, 1,
         "clear: all 5 h at or below 0.2 lb/ft²/hr, the worst 0.003 lb/ft²/hr", ""},
        {"a borderline pour", {Pour(Clear, 2), Pour(Borderline, 3, 2)}, {}, 1, 2,
         "borderline: 2 of 2 h within the equation's ±40 % of 0.2 lb/ft²/hr, the worst 0.183 lb/ft²/hr", ""},
        {"a pour at risk", {Pour(AtRisk, 30, 4)}, {}, 1, 1,
         "at risk: 4 of 4 h above 0.2 lb/ft²/hr, the worst 0.526 lb/ft²/hr", ""},
        {"a pour past the days looked at", {Pour(AtRisk, 50)}, {"--days", "2"}, 0, 0, "No pour is planned", ""},
        {"a pour that has ended", {Pour(AtRisk, -8, 4)}, {}, 0, 0, "No pour is planned", ""},
        {"a site the server does not know, no forecast kept", {Pour(Unknown, 2), Pour(AtRisk, 2)}, {}, 2, 2,
         "not checked: The forecast server at", "answered with HTTP status 404"},
        {"a pour past the forecast's last hour", {Pour(Clear, 90, 8)}, {"--days", "4"}, 2, 1,
         "not checked: the forecast covers", "could not be checked: the forecast covers"},
        {"days out of range", {}, {"--days", "16"}, 2, 0, "",
         "brackmere: --days takes a number of days from 1 to 15, not \"16\"."},
        {"the watch and the outlook at once", {}, {"--json", "--outlook", "x.csv"}, 2, 0, "", "--outlook, --watch and --outlook-pour go"},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.name);
        records.Exec("DROP TABLE IF EXISTS tblPlannedPours");
        for (const PlannedPour& pour : run.pours)
            Plan(pour);
        const int before = server.requests;
        const Ran done = Watch(run.arguments);
        EXPECT_EQ(done.status, run.status) << done.out.toStdString() << done.err.toStdString();
        EXPECT_EQ(server.requests - before, run.requests);
        EXPECT_TRUE(done.out.contains(QString::fromUtf8(run.out))) << done.out.toStdString();
        EXPECT_TRUE(done.err.contains(QString::fromUtf8(run.err))) << done.err.toStdString();
    }
    const Ran unreadable = Watch({}, home.filePath("missing.mdb"));
    EXPECT_EQ(unreadable.status, 2);
    EXPECT_TRUE(unreadable.err.startsWith("brackmere: the planned pours could not be read: The records file"))
        << unreadable.err.toStdString();
}

// Without the network, the forecast kept by the last check stands, with its age.
TEST_F(WatchRun, NetworkDownUsesTheKeptForecastAndSaysItsAge)
{
    const qint64 risky = Plan(Pour(AtRisk, 3));
    Plan(Pour(Clear, 3));
    ASSERT_EQ(Watch({}).status, 1);
    server.tcp.close();
    const Ran down = Watch({"--json"});
    EXPECT_EQ(down.status, 1) << down.err.toStdString();
    const QJsonObject report = QJsonDocument::fromJson(down.out.toUtf8()).object();
    const QJsonArray pours = report["pours"].toArray();
    ASSERT_EQ(pours.size(), 2) << down.out.toStdString();
    EXPECT_EQ(report["status"].toInt(), 1);
    const QJsonObject first = pours[0].toObject()["id"].toInteger() == risky ? pours[0].toObject() : pours[1].toObject();
    EXPECT_EQ(first["state"].toString(), "at-risk");
    EXPECT_EQ(first["hoursAtRisk"].toInt(), 5);
    EXPECT_EQ(first["forecastKept"].toBool(), true);
    EXPECT_EQ(first["forecastAgeHours"].toInt(), 0);
    EXPECT_TRUE(first["reason"].toString().contains("could not be reached")) << first["reason"].toString().toStdString();
    EXPECT_TRUE(Watch({}).out.contains("The forecast was kept from"));
}

// The team's mail goes out once per change, and only where a mail command is set.
TEST_F(WatchRun, MailsEachChangeOnceThroughTheMailCommand)
{
    const QString mailed = home.filePath("mailed");
    const QString script = home.filePath("sendmail");
    {
        QFile file(script);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1.args'\ncat > '%1'\n").arg(mailed).toUtf8());
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    Plan(Pour(AtRisk, 3));
    Settings::SetMailRecipients(SiteName(AtRisk), {"crew@example.org", "office@example.org"});
    ASSERT_EQ(Watch({}).status, 1);
    EXPECT_FALSE(QFile::exists(mailed)) << "mailed without a mail command";

    Settings::SetMailCommand(script);
    ASSERT_EQ(Watch({}).status, 1);
    QFile mail(mailed);
    ASSERT_TRUE(mail.open(QIODevice::ReadOnly));
    const QByteArray text = mail.readAll();
    EXPECT_TRUE(text.startsWith("To: crew@example.org, office@example.org\r\nSubject: Planned pours at Site 30: "
                                "the outlook changed\r\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("  at risk: 5 of 5 h above 0.2 lb/ft²/hr")) << text.toStdString();
    QFile args(mailed + ".args");
    ASSERT_TRUE(args.open(QIODevice::ReadOnly));
    EXPECT_EQ(args.readAll(), "-i\n--\ncrew@example.org\noffice@example.org\n");

    QFile::remove(mailed);
    ASSERT_EQ(Watch({}).status, 1);
    EXPECT_FALSE(QFile::exists(mailed)) << "mailed again without a change";
}

TEST(Geocoding, AnswersGiveTheMatchesOrSayWhatIsWrong)
{
    const struct {
        const char* name;
        QByteArray json;
        int matches;  // -1 for a fault
        const char* first;
    } cases[] = {
        {"two matches", R"({"results":[{"name":"Zürich","admin1":"Zurich","country":"Switzerland","latitude":47.36667,)"
                        R"("longitude":8.55,"timezone":"Europe/Zurich"},{"name":"Zurich","admin1":"Ontario","country":)"
                        R"("Canada","latitude":43.42,"longitude":-81.62,"timezone":"America/Toronto"}]})",
         2, "Zürich, Zurich, Switzerland"},
        {"nothing found", R"({"generationtime_ms":0.5})", 0, ""},
        {"a region named as the place", R"({"results":[{"name":"Berlin","admin1":"Berlin","country":"Germany",)"
                                        R"("latitude":52.52,"longitude":13.41,"timezone":"Europe/Berlin"}]})",
         1, "Berlin, Germany"},
        {"an error answer", R"({"error":true,"reason":"Parameter count must be between 1 and 100."})", -1, ""},
        {"coordinates missing", R"({"results":[{"name":"Nowhere"}]})", -1, ""},
        {"a latitude out of range", R"({"results":[{"name":"X","latitude":91,"longitude":0}]})", -1, ""},
        {"not JSON", "<html>", -1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QString error;
        const auto places = Geocoding::Parse(c.json, error);
        ASSERT_EQ(places.has_value(), c.matches >= 0) << error.toStdString();
        if (!places) {
            EXPECT_FALSE(error.isEmpty());
            continue;
        }
        ASSERT_EQ(int(places->size()), c.matches);
        if (c.matches > 0) {
            EXPECT_EQ(places->front().Label().toStdString(), c.first);
        }
    }
    EXPECT_EQ(Geocoding::RequestUrl(" http://127.0.0.1:5/geo/ ", "8001 Zürich & Co+").toString(QUrl::FullyEncoded),
              "http://127.0.0.1:5/geo/v1/search?name=8001%20Z%C3%BCrich%20%26%20Co%2B&count=10");
}

TEST(Geocoding, TheClientAsksTheServiceAndReportsItsFailure)
{
    JsonServer server([](const QString& path, const QUrlQuery& query) -> QByteArray {
        if (path != "/v1/search" || query.queryItemValue("name") != "Zurich")
            return {};
        return R"({"results":[{"name":"Zurich","latitude":47.37,"longitude":8.54,"timezone":"Europe/Zurich"}]})";
    });
    GeocodingClient client;
    QSignalSpy found(&client, &GeocodingClient::found);
    QSignalSpy failed(&client, &GeocodingClient::failed);
    client.search(server.base, "Zurich");
    ASSERT_TRUE(found.wait(5000));
    const auto places = found.first().first().value<std::vector<Geocoding::Place>>();
    ASSERT_EQ(places.size(), 1u);
    EXPECT_EQ(places[0].timeZone, "Europe/Zurich");
    client.search(server.base, "Atlantis");
    ASSERT_TRUE(failed.wait(5000));
    EXPECT_EQ(failed.first().first().toString(),
              QStringLiteral("The geocoding service at %1 answered with HTTP status 404.").arg(server.base));
}

// A pour planned is read back alike from a records file and from a records server, where
// the table is made with the first pour.
TEST(PlannedPoursTest, KeptAndReadBackOnBothEngines)
{
    for (const bool onServer : {false, true}) {
        SCOPED_TRACE(onServer ? "server" : "file");
        SKIP_WITHOUT_TEST_SERVER(onServer);
        const TestRecords records(onServer);
        RecordsStore store;
        store.UseLocation(RecordsLocation::FromText(records.location()));
        store.OpenDatabase();
        std::vector<PlannedPour> read;
        ASSERT_FALSE(PlannedPours::List(store.database(), read).isValid());
        EXPECT_TRUE(read.empty());

        PlannedPour later = Pour(20, 48);
        later.site = "Quai d'Ouchy";
        later.threshold = "0.15";
        later.mix = "LowBleed";
        later.concreteConstant = true;
        later.concreteValue = 75.5;
        PlannedPour sooner = Pour(10, 2);
        ASSERT_FALSE(PlannedPours::Add(store.database(), later).isValid());
        ASSERT_FALSE(PlannedPours::Add(store.database(), sooner).isValid());
        EXPECT_NE(later.id, sooner.id);
        ASSERT_FALSE(PlannedPours::List(store.database(), read).isValid());
        ASSERT_EQ(read.size(), 2u);
        EXPECT_EQ(read[0].id, sooner.id);
        const PlannedPour& back = read[1];
        EXPECT_EQ(back.id, later.id);
        EXPECT_EQ(back.site, later.site);
        EXPECT_EQ(back.start, later.start);
        EXPECT_EQ(back.end, later.end);
        EXPECT_EQ(back.timeZone, "Europe/Zurich");
        EXPECT_DOUBLE_EQ(back.latitude, 20);
        EXPECT_EQ(back.threshold, "0.15");
        EXPECT_EQ(back.mix, "LowBleed");
        EXPECT_TRUE(back.concreteConstant);
        EXPECT_DOUBLE_EQ(back.concreteValue, 75.5);
        EXPECT_FALSE(back.plannedBy.isEmpty());

        ASSERT_FALSE(PlannedPours::Remove(store.database(), sooner.id).isValid());
        ASSERT_FALSE(PlannedPours::List(store.database(), read).isValid());
        ASSERT_EQ(read.size(), 1u);
        EXPECT_EQ(read[0].id, later.id);
    }
}

}  // namespace
