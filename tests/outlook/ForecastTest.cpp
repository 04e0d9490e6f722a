#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QLocale>
#include <QPainter>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QTimer>

#include "outlook/ForecastClient.h"
#include "outlook/OutlookChart.h"
#include "outlook/OutlookTable.h"
#include "outlook/SiteTime.h"
#include "tests/support/DefaultLocale.h"
#include "tests/support/RecordingTarget.h"

namespace {

constexpr int WaitMs = 5000;
const QDateTime Fetched(QDate(2026, 7, 6), QTime(5, 12, 30, 250), Qt::UTC);
const QByteArray Query = "/v1/forecast?latitude=40.0000&longitude=-105.2500&hourly=temperature_2m,"
                         "relative_humidity_2m,wind_speed_10m&timezone=auto&timeformat=unixtime&forecast_days=7";

QByteArray DataFile(const char* name)
{
    QFile file(QStringLiteral(BRACKMERE_OUTLOOK_TEST_DATA "/%1").arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Http(int status, const QByteArray& reason, const QByteArray& body)
{
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\nContent-Type: application/json\r\n" +
           "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

// Answers each connection on 127.0.0.1 with `response` (none when empty), its body `chunk`
// bytes per `trickleMs` when set (the same bytes over and over when `endless`), and keeps
// each request line.
struct Server : QObject {
    Server()
    {
        tcp.listen(QHostAddress::LocalHost);
        base = QStringLiteral("http://127.0.0.1:%1").arg(tcp.serverPort());
        connect(&tcp, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = tcp.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
        });
    }
    void answer(QTcpSocket* socket)
    {
        if (!socket->peek(socket->bytesAvailable()).contains("\r\n\r\n"))
            return;
        requests.append(socket->readAll().split('\r').first());
        const qsizetype head = trickleMs ? response.indexOf("\r\n\r\n") + 4 : response.size();
        socket->write(response.left(head));
        if (!trickleMs && !response.isEmpty())
            socket->disconnectFromHost();
        auto* timer = new QTimer(socket);
        connect(timer, &QTimer::timeout, socket, [this, socket, rest = response.mid(head)]() mutable {
            socket->write(rest.left(chunk));
            if (!endless)
                rest.remove(0, chunk);
        });
        if (trickleMs)
            timer->start(trickleMs);
    }
    QTcpServer tcp;
    QString base;
    QByteArray response;
    int trickleMs = 0;
    qsizetype chunk = 1;
    bool endless = false;
    QList<QByteArray> requests;
};

// Two hours, the later first, in °C, % and km/h; `from` replaced by `to`.
QByteArray Small(const char* from = "", const char* to = "")
{
    QByteArray json = R"({"latitude":1,"longitude":2,"timezone":"GMT","hourly_units":{"time":"iso8601",)"
                      R"("temperature_2m":"°C","relative_humidity_2m":"%","wind_speed_10m":"km/h"},"hourly":)"
                      R"({"time":["2026-07-06T01:00","2026-07-06T00:00"],"temperature_2m":[20.5,19],)"
                      R"("relative_humidity_2m":[50,55],"wind_speed_10m":[10,12]}})";
    return *from ? json.replace(from, to) : json;
}

std::optional<Forecast::Answer> Parse(const QByteArray& json, QString* error = nullptr)
{
    QString ignored;
    return Forecast::Parse(json, Fetched, error ? *error : ignored);
}

Forecast::Request Asking(const QString& server, const QString& key = {}, double latitude = 40, int days = 7)
{
    return {.server = server, .apiKey = key, .latitude = latitude, .longitude = -105.25, .days = days};
}

// The key goes over https, and over plain http only to this computer.
TEST(Forecast, RequestUrlJoinsTheBaseAndWritesCoordinatesWithAPoint)
{
    const DefaultLocale german("de_DE");
    const QByteArray sixteen = QByteArray(Query).replace("days=7", "days=16");
    const struct { const char* base; const char* key; int days; QByteArray url; } cases[] = {
        {"http://127.0.0.1:5123", "", 7, "http://127.0.0.1:5123" + Query},
        {"http://127.0.0.1:5123/", " ", 16, "http://127.0.0.1:5123" + sixteen},
        {" http://127.0.0.1:5123/om// ", "k+y&z=1%", 7, "http://127.0.0.1:5123/om" + Query + "&apikey=k%2By%26z%3D1%25"},
        {"http://localhost:8080", "k", 7, "http://localhost:8080" + Query + "&apikey=k"},
        {"http://[::1]:8080", "k", 7, "http://[::1]:8080" + Query + "&apikey=k"},
        {"https://forecast.example.org", "k", 7, "https://forecast.example.org" + Query + "&apikey=k"},
        {"http://forecast.example.org", "k", 7, "http://forecast.example.org" + Query},
        {"http://192.168.1.20", "k", 7, "http://192.168.1.20" + Query},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Forecast::RequestUrl(Asking(c.base, c.key, 39.99996, c.days)).toEncoded().toStdString(),
                  c.url.toStdString());
}

// A week as recorded in °C, % and km/h, hours in °F and m/s, and winds in mph and kn
// given in the answer later hour first.
TEST(Forecast, ReadsAnswersInTimeOrderInCelsiusAndKmh)
{
    const auto answer = Parse(DataFile("forecast.json"));
    ASSERT_TRUE(answer);
    EXPECT_TRUE(answer->latitude == 47.38 && answer->longitude == 8.539999 && answer->timezone == "Europe/Zurich" &&
                answer->zone.id() == "Europe/Zurich");
    EXPECT_TRUE(answer->fetched == Fetched && answer->json == DataFile("forecast.json"));
    ASSERT_EQ(answer->hours.size(), 168u);
    const auto imperial = Parse(DataFile("forecast_f_ms.json"));
    const auto mph = Parse(Small("\"km/h\"", "\"mph\"")), kn = Parse(Small("\"km/h\"", "\"kn\""));
    ASSERT_TRUE(imperial && mph && kn);
    const struct { const Forecast::Answer& from; size_t hour; int day, clock; double air, humidity, wind; } cases[] = {
        {*answer, 0, 6, 0, 17.1, 75, 8.6},    {*answer, 14, 6, 14, 27.5, 42, 12.0},
        {*answer, 86, 9, 14, 32.8, 41, 13.9}, {*answer, 167, 12, 23, 18.3, 73, 6.0},
        {*imperial, 0, 6, 12, 25, 31, 9},     {*imperial, 2, 6, 14, 32, 22, 22.32},
        {*mph, 1, 6, 1, 20.5, 50, 16.09344},  {*kn, 0, 6, 0, 19, 55, 22.224},
    };
    for (const auto& c : cases) {
        const Forecast::Hour& hour = c.from.hours.at(c.hour);
        SCOPED_TRACE(hour.time.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(hour.time, QDateTime(QDate(2026, 7, c.day), QTime(c.clock, 0), c.from.zone)) << "the site's clock";
        EXPECT_NEAR(hour.temperatureC.value(), c.air, 1e-9);
        EXPECT_EQ(hour.humidity, c.humidity);
        EXPECT_NEAR(hour.windKmh10m.value(), c.wind, 1e-9);
    }
}

// The site's clock, with its zone's abbreviation unless the computer is in that zone.
QString Shown(const char* clock, const char* zone, const char* abbreviation)
{
    return QLatin1String(clock) + (QTimeZone::systemTimeZoneId() == zone ? QString() : ' ' + QLatin1String(abbreviation));
}

// Berlin written on the site's clock with one fixed offset through the spring change,
// Denver as seconds since 1970 with the older field names through the autumn change,
// Auckland's skipped hour, and a zone the computer does not know: each hour an instant
// an hour after the last, shown on the site's clock, whatever the computer's zone.
TEST(Forecast, HoursAreInstantsOnTheSitesClockThroughClockChanges)
{
    const auto berlin = Parse(DataFile("forecast_berlin_spring.json"));
    const auto denver = Parse(DataFile("forecast_denver_autumn_unixtime.json"));
    const QByteArray gmt = "\"GMT\"";
    const auto auckland = Parse(Small(gmt, "\"Pacific/Auckland\",\"utc_offset_seconds\":43200")
                                    .replace("2026-07-06", "2026-09-27")
                                    .replace("T01:00", "T02:00")
                                    .replace("T00:00", "T01:00"));
    const auto unknown = Parse(Small(gmt, "\"Mars/Olympus\",\"utc_offset_seconds\":19800"));
    ASSERT_TRUE(berlin && denver && auckland && unknown);
    const struct { const Forecast::Answer& from; size_t hour; QString shown; } cases[] = {
        {*berlin, 49, Shown("Sun 2026-03-29 01:00", "Europe/Berlin", "CET")},
        {*berlin, 50, Shown("Sun 2026-03-29 03:00", "Europe/Berlin", "CEST")},
        {*berlin, 95, Shown("Tue 2026-03-31 00:00", "Europe/Berlin", "CEST")},
        {*denver, 25, Shown("Sun 2026-11-01 01:00", "America/Denver", "MDT")},
        {*denver, 26, Shown("Sun 2026-11-01 01:00", "America/Denver", "MST")},
        {*auckland, 1, Shown("Sun 2026-09-27 03:00", "Pacific/Auckland", "NZDT")},
        {*unknown, 0, "Mon 2026-07-06 00:00 UTC+05:30"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OutlookTable::TimeText(c.from.hours.at(c.hour).time), c.shown) << c.hour;
    for (const Forecast::Answer* answer : {&*berlin, &*denver, &*auckland}) {
        for (size_t i = 1; i < answer->hours.size(); ++i)
            ASSERT_EQ(answer->hours[i - 1].time.secsTo(answer->hours[i].time), 3600) << i;
    }
    EXPECT_TRUE(denver->hours.size() == 72 && denver->hours[0].humidity == 79 &&
                std::abs(*denver->hours[0].windKmh10m - 6 * 1.609344) < 1e-9)
        << "relativehumidity_2m, windspeed_10m in mp/h";
}

TEST(Forecast, AFaultyAnswerGivesNothingAndSaysWhatWasWrong)
{
    const struct { QByteArray json; const char* error; } cases[] = {
        {"{\"latitude\":", "not JSON ("},
        {"[1, 2]", "not a JSON object"},
        {R"({"error":true,"reason":"Latitude must be in range of -90 to 90°. Given: 91.0."})",
         "the server reported an error: Latitude must be in range of -90 to 90°. Given: 91.0."},
        {Small("\"latitude\":1,"), "no latitude or longitude"},
        {Small("\"time\":[", "\"times\":["), "the series time is missing"},
        {R"({"latitude":1,"longitude":2,"hourly":{"time":[1783296000],"wind_speed":[1]}})",
         "the answer holds none of the series temperature_2m, relative_humidity_2m, wind_speed_10m"},
        {Small("[50,55]", "[50]"), "different lengths (time: 2, relative_humidity_2m: 1)"},
        {Small("[20.5,19]", "[\"20.5\",19]"), "the value of temperature_2m at 2026-07-06T01:00 is not a number"},
        {Small("\"2026-07-06T00:00\"", "\"6 July, midnight\""), "unreadable time \"6 July, midnight\" at hour 2"},
        {Small("\"°C\"", "\"K\""), "unknown unit \"K\" for temperature_2m"},
        {Small(",\"wind_speed_10m\":\"km/h\""), "no unit given for wind_speed_10m"},
        {Small(R"(["2026-07-06T01:00","2026-07-06T00:00"])", "[]"), "the forecast has no hours"},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(Parse(c.json, &error)) << c.error;
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.error))) << error.toStdString();
    }
}

TEST(ForecastClient, FetchesTheAnswerWithProgressAndTheTimeItArrived)
{
    Server server;
    const QByteArray body = DataFile("forecast.json");
    server.response = Http(200, "OK", body);
    ForecastClient client;
    QSignalSpy finished(&client, &ForecastClient::finished);
    QSignalSpy progress(&client, &ForecastClient::progress);
    const QDateTime before = QDateTime::currentDateTimeUtc();
    client.fetch(Asking(server.base));
    EXPECT_TRUE(client.busy());
    ASSERT_TRUE(finished.wait(WaitMs));
    EXPECT_FALSE(client.busy());
    EXPECT_EQ(server.requests, QList<QByteArray>{"GET " + Query + " HTTP/1.1"});
    const auto answer = finished.first().first().value<Forecast::Answer>();
    EXPECT_TRUE(answer.hours.size() == 168 && answer.json == body);
    EXPECT_TRUE(answer.latitude == 40 && answer.longitude == -105.25) << "the site asked for, not the grid point";
    EXPECT_TRUE(answer.fetched.toString(Qt::ISODate).endsWith('Z') && answer.fetched >= before &&
                answer.fetched <= QDateTime::currentDateTimeUtc());
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.last(), (QList<QVariant>{body.size(), body.size()}));
}

TEST(ForecastClient, AFailureNamesTheServerAndSaysWhatHappened)
{
    const QByteArray unsized = "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n";
    const struct { const char* name; QByteArray response; int trickleMs; int timeoutMs; const char* message; } cases[] = {
        {"slow", Http(200, "OK", QByteArray(100000, ' ')), 50, 300, "timed out: no complete answer within 0.3 s."},
        {"error answer",
         Http(400, "Bad Request", R"({"error":true,"reason":"Latitude must be in range of -90 to 90°. Given: 91.0."})"),
         0, WaitMs, "answered with HTTP status 400 Bad Request. It said: Latitude must be in range of -90 to 90°."},
        {"malformed", Http(200, "OK", "{\"latitude\":47.38,"), 0, WaitMs, "sent an answer that cannot be used: not JSON ("},
        {"redirect away", Http(302, "Found\r\nLocation: http://127.0.0.1:1/", {}), 0, WaitMs,
         "sent the request on elsewhere"},
        {"closed port", {}, 0, WaitMs, "could not be reached: Connection refused."},
        {"announced too large", "HTTP/1.1 200 OK\r\nContent-Length: 50000000\r\n\r\n" + Small(), 0, WaitMs,
         "sent an answer of 50 MB, more than the 5 MB a forecast may be: it was refused and not kept."},
        {"endless", unsized + QByteArray(1 << 18, ' '), 1, WaitMs,
         "sent more than the 5 MB a forecast may be: the answer was refused and not kept."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Server server;
        server.response = c.response;
        server.trickleMs = c.trickleMs;
        server.chunk = c.response.startsWith(unsized) ? 1 << 18 : 1;
        server.endless = c.response.startsWith(unsized);
        if (c.response.isEmpty())
            server.tcp.close();
        ForecastClient client;
        client.setTimeout(c.timeoutMs);
        QSignalSpy finished(&client, &ForecastClient::finished);
        QSignalSpy failed(&client, &ForecastClient::failed);
        client.fetch(Asking(server.base, {}, 91));
        ASSERT_TRUE(failed.wait(WaitMs));
        const QString message = failed.first().first().toString();
        EXPECT_TRUE(message.startsWith("The forecast server at " + server.base + ' ') &&
                    message.contains(QString::fromUtf8(c.message)))
            << message.toStdString();
        EXPECT_TRUE(finished.isEmpty() && !client.busy());
    }
}

TEST(ForecastClient, CancelIsSilentAndASecondFetchReplacesTheFirst)
{
    Server silent, good;
    good.response = Http(200, "OK", DataFile("forecast_f_ms.json"));
    ForecastClient client;
    QSignalSpy finished(&client, &ForecastClient::finished);
    QSignalSpy failed(&client, &ForecastClient::failed);
    client.fetch(Asking(silent.base));
    ASSERT_TRUE(QTest::qWaitFor([&] { return silent.requests.size() == 1; }, WaitMs));
    client.cancel();
    EXPECT_FALSE(client.busy());
    client.fetch(Asking(silent.base));
    ASSERT_TRUE(QTest::qWaitFor([&] { return silent.requests.size() == 2; }, WaitMs));
    client.fetch(Asking(good.base, "k+y"));
    ASSERT_TRUE(finished.wait(WaitMs));
    QTest::qWait(300);  // time for anything that would follow the fetches given up
    EXPECT_TRUE(failed.isEmpty() && finished.size() == 1);
    EXPECT_EQ(finished.first().first().value<Forecast::Answer>().hours.size(), 3u);
    EXPECT_EQ(good.requests, QList<QByteArray>{"GET " + Query + "&apikey=k%2By HTTP/1.1"});
}

TEST(ForecastCache, KeepsTheAnswerUnderTheSiteAndACorruptFileLoadsAsNothing)
{
    const QTemporaryDir dir;
    const QString folder = dir.filePath("forecasts");
    Forecast::Answer answer = *Parse(DataFile("forecast.json"));
    answer.latitude = 47.37691;
    answer.longitude = -8.54172;
    ASSERT_TRUE(ForecastCache::Store(folder, answer));
    EXPECT_TRUE(QFile::exists(folder + "/forecast_47.3769_-8.5417.json"));
    const auto loaded = ForecastCache::Load(folder, 47.37689, -8.54171);
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(loaded->latitude == 47.37691 && loaded->longitude == -8.54172 && loaded->timezone == answer.timezone);
    EXPECT_EQ(loaded->fetched, Fetched);
    EXPECT_EQ(QJsonDocument::fromJson(loaded->json), QJsonDocument::fromJson(answer.json));
    EXPECT_TRUE(loaded->hours.size() == 168 && loaded->hours[86].temperatureC == 32.8);
    const Forecast::Answer spring = *Parse(DataFile("forecast_berlin_spring.json"));
    ASSERT_TRUE(ForecastCache::Store(folder, spring));
    const auto springLoaded = ForecastCache::Load(folder, 52.52, 13.42);
    ASSERT_TRUE(springLoaded) << "hours through a clock change";
    EXPECT_TRUE(springLoaded->hours.size() == 96 && springLoaded->hours[50].time == spring.hours[50].time);
    EXPECT_FALSE(ForecastCache::Load(folder, 47.3771, -8.5417));
    EXPECT_FALSE(ForecastCache::Store(folder + "/forecast_47.3769_-8.5417.json", answer)) << "a file, not a folder";

    // A corrupt file, in place of one that loads, loads as nothing.
    ASSERT_TRUE(ForecastCache::Store(dir.path(), *Parse(Small())));
    ASSERT_TRUE(ForecastCache::Load(dir.path(), 1, 2));
    const QByteArray corrupt[] = {
        R"({"fetched":"2026-07-06T05:12:30.250Z","answer":{"latitude":)",
        R"({"answer":)" + Small() + '}',
        R"({"fetched":"2026-07-06T05:12:30.250Z","answer":)" + Small("[50,55]", "[50,\"wet\"]") + '}',
    };
    for (const QByteArray& content : corrupt) {
        QFile file(dir.filePath("forecast_1.0000_2.0000.json"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size());
        file.close();
        EXPECT_FALSE(ForecastCache::Load(dir.path(), 1, 2)) << content.constData();
    }
}

std::vector<OutlookHour> Hours(const Forecast::Answer& answer)
{
    OutlookSettings si;
    si.units = UnitSystem::SI;
    return Evaluate(ReadingsFromForecast(answer, UnitSystem::SI, 1), si);
}

// An hour without a forecast value keeps its time and other values, marked as a file's
// unreadable cell is.
TEST(OutlookHours, AnHourWithoutAForecastValueIsKeptAndMarked)
{
    const std::vector<OutlookHour> hours = Hours(*Parse(DataFile("forecast_berlin_spring.json")));
    ASSERT_EQ(hours.size(), 96u);
    const struct { size_t hour; const char* air; const char* problem; } cases[] = {
        {86, "17.8", ""},
        {87, "18.0", "Forecast hour 88: no forecast value of relative humidity or wind velocity."},
        {95, "", "Forecast hour 96: no forecast value of air temperature, relative humidity or wind velocity."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(hours[c.hour].reading.readings.air, c.air);
        EXPECT_EQ(hours[c.hour].problem, c.problem);
        EXPECT_EQ(hours[c.hour].result.valid, !*c.problem);
    }
}

// Windows run hour after hour by the instant: through the hour the clocks skip in spring
// and the hour they repeat in autumn, never through an hour that cannot be computed, and
// from the present hour at the site on.
TEST(OutlookHours, WindowsRunByTheInstantAndStopAtHoursThatCannotBeComputed)
{
    const Forecast::Answer berlin = *Parse(DataFile("forecast_berlin_spring.json"));
    const Forecast::Answer denver = *Parse(DataFile("forecast_denver_autumn_unixtime.json"));
    Forecast::Answer gap = berlin;
    gap.hours[40].humidity.reset();
    const QDateTime afterHour30 = denver.hours[30].time.addSecs(1234);
    const struct { const char* name; const Forecast::Answer& answer; QDateTime notBefore; PourWindow::Run longest, next; }
        cases[] = {
            {"spring", berlin, {}, {0, 87}, {0, 87}},
            {"autumn", denver, {}, {0, 72}, {0, 72}},
            {"a gap in spring", gap, {}, {41, 46}, {0, 40}},
            {"from the present hour", denver, SiteTime::PresentHour(denver.zone, afterHour30), {30, 42}, {30, 42}},
        };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PourWindow::Found found = FindWindows(Hours(c.answer), 24, c.notBefore);
        EXPECT_EQ(found.longest, c.longest);
        EXPECT_EQ(found.next, c.next);
    }
    const std::vector<OutlookHour> hours = Hours(denver);
    EXPECT_EQ(DescribeWindows(hours, FindWindows(hours, 80, {}), 80),
              QStringLiteral("Longest safe window: Sat 31 Oct %1 to Mon 2 Nov %2, 72 h. No window of at least 80 h.")
                  .arg(Shown("00:00", "America/Denver", "MDT"), Shown("23:00", "America/Denver", "MST")));
}

TEST(OutlookHours, ThePresentHourIsTheSitesWhateverItsOffset)
{
    const QDateTime now(QDate(2026, 7, 6), QTime(10, 15, 30, 250), Qt::UTC);
    EXPECT_EQ(SiteTime::PresentHour(QTimeZone("Europe/Berlin"), now), QDateTime(now.date(), QTime(10, 0), Qt::UTC));
    EXPECT_EQ(SiteTime::PresentHour(QTimeZone("Asia/Kolkata"), now), QDateTime(now.date(), QTime(9, 30), Qt::UTC));
}

// The axis labels each hour and day on the site's clock, the zone named where it is not
// the computer's, however the computer's clock changes.
TEST(OutlookChart, TheTimeAxisFollowsTheSitesClock)
{
    const Forecast::Answer berlin = *Parse(DataFile("forecast_berlin_spring.json"));
    const std::vector<OutlookHour> hours = Hours(berlin);
    PrintRecord record;
    RecordingDevice device(QSizeF(20000, 1000), record);
    {
        QPainter painter(&device);
        OutlookChart::Paint(painter, QRectF(0, 0, 20000, 1000), OutlookChartData::From(hours, {}, {}));
    }
    QStringList hourLabels, dayLabels, expected;
    for (const RecordedText& text : record.texts)
        (text.text.size() == 2 ? hourLabels : dayLabels) << text.text;
    for (const OutlookHour& hour : hours)
        expected << hour.reading.time.toString(QStringLiteral("HH"));
    EXPECT_EQ(hourLabels.mid(0, 96), expected);
    EXPECT_EQ(dayLabels.filter(" Mar").mid(2, 2),
              (QStringList{Shown("Sun 29 Mar", "Europe/Berlin", "CET"), Shown("Mon 30 Mar", "Europe/Berlin", "CEST")}));
}

}  // namespace
